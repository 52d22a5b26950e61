// The fixed drawing of the window (the circuit and the etched rules) and the load's symbol, as
// SVG in twips over the client area and the frames; one pixel is 15 twips at the designed size.
const Schematic = {
  byName: new Map(),
  kTwipsPerPixel: 15,
  svgNamespace: "http://www.w3.org/2000/svg",

  layer(container) {
    let svg = container.querySelector(":scope > svg.schematic");
    if (svg) return svg;
    const width = container.clientWidth || parseFloat(container.style.width);
    const height = container.clientHeight || parseFloat(container.style.height);
    svg = document.createElementNS(Schematic.svgNamespace, "svg");
    svg.classList.add("schematic");
    svg.setAttribute("width", width);
    svg.setAttribute("height", height);
    svg.setAttribute("viewBox", `0 0 ${width * Schematic.kTwipsPerPixel} ${height * Schematic.kTwipsPerPixel}`);
    svg.setAttribute("aria-hidden", "true");
    // Under the buttons and labels, as a drawing on the window is.
    container.prepend(svg);
    return svg;
  },

  shape(kind, attributes) {
    const shape = document.createElementNS(Schematic.svgNamespace, kind);
    for (const [key, value] of Object.entries(attributes)) shape.setAttribute(key, value);
    return shape;
  },

  build(tables, client) {
    for (const row of tables.schematic) {
      const container = row.container ? document.getElementById(row.container) : client;
      const stroke = { stroke: row.color, "stroke-width": row.pen * Schematic.kTwipsPerPixel, fill: "none" };
      let piece;
      if (row.circle) {
        // A circle of the box's smaller side, centred in the box.
        const [[left, top], [width, height]] = row.points;
        piece = Schematic.shape("circle", {
          cx: left + width / 2, cy: top + height / 2, r: Math.min(width, height) / 2, ...stroke,
        });
      } else {
        piece = Schematic.shape("polyline", { points: row.points.map((p) => p.join(",")).join(" "), ...stroke });
      }
      if (row.name) {
        piece.id = row.name;
        Schematic.byName.set(row.name, piece);
      }
      Schematic.layer(container).append(piece);
    }
    Schematic.load = Schematic.shape("g", { id: "loadSymbol", stroke: "#000000", "stroke-width": 15, fill: "none" });
    Schematic.layer(client).append(Schematic.load);
  },

  // Every load symbol erased and this one drawn: straight strokes, and arcs of the given radius around
  // a centre, counter-clockwise on the screen from one angle to the other, 90° pointing up.
  showLoad(type, strokes) {
    Schematic.load.replaceChildren();
    Schematic.load.dataset.load = type;
    for (const s of strokes) {
      if (!s.arc) {
        Schematic.load.append(Schematic.shape("line", { x1: s.ax, y1: s.ay, x2: s.bx, y2: s.by }));
        continue;
      }
      const r = s.radius;
      const at = (degrees) => [s.ax + r * Math.cos((degrees * Math.PI) / 180), s.ay - r * Math.sin((degrees * Math.PI) / 180)];
      const [x0, y0] = at(s.from);
      const [x1, y1] = at(s.to);
      const sweep = (((s.to - s.from) % 360) + 360) % 360;
      // Counter-clockwise on the screen is the negative sweep direction of SVG's y-down plane.
      const d = `M ${x0} ${y0} A ${r} ${r} 0 ${sweep > 180 ? 1 : 0} 0 ${x1} ${y1}`;
      Schematic.load.append(Schematic.shape("path", { d }));
    }
  },
};
