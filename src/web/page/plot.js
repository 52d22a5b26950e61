// The wave plot: a canvas that shows the session's picture of the plot pixel for pixel, and
// passes presses on the plot (mouse, touch, pen) to the session in the plot's own pixels.
const Plot = {
  make(row) {
    const canvas = document.createElement("canvas");
    canvas.id = row.name;
    // The drawing area inside the sunken border of 2 pixels.
    canvas.width = row.width - 4;
    canvas.height = row.height - 4;
    // Its place on the page is the designed size; its pixels may be finer (setRatio).
    canvas.style.width = `${canvas.width}px`;
    canvas.style.height = `${canvas.height}px`;
    Plot.designed = { width: canvas.width, height: canvas.height };
    const inside = (e) => e.offsetX >= 0 && e.offsetY >= 0 && e.offsetX < Plot.designed.width && e.offsetY < Plot.designed.height;
    // Pointer events: a mouse button, a finger or a pen alike. A finger held on the plot reads
    // there until it lifts; the page does not scroll or zoom under it.
    canvas.style.touchAction = "none";
    canvas.addEventListener("pointerdown", (e) => {
      if (inside(e)) Page.event(() => Bridge.press(e.button, Math.floor(e.offsetX), Math.floor(e.offsetY)));
    });
    canvas.addEventListener("pointerup", (e) =>
      Page.event(() => Bridge.release(e.button, Math.floor(e.offsetX), Math.floor(e.offsetY))));
    canvas.addEventListener("contextmenu", (e) => e.preventDefault());
    Plot.canvas = canvas;
    return canvas;
  },

  show() {
    Plot.canvas.getContext("2d").putImageData(Bridge.plotPixels(), 0, 0);
  },

  // `ratio` canvas pixels to a plot pixel: enlarged, the program draws the plot again at the
  // finer resolution, sharp, instead of the page stretching it.
  ratio: 1,
  setRatio(ratio) {
    if (ratio === Plot.ratio) return;  // a new size of the canvas would empty it
    Plot.ratio = ratio;
    Bridge.setPlotRatio(ratio);
    Plot.canvas.width = Plot.designed.width * ratio;
    Plot.canvas.height = Plot.designed.height * ratio;
    Page.showReports();
  },

  setPointer(shape) {
    Plot.canvas.classList.toggle("cross", shape === "cross");
  },
};
