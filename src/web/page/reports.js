// The session's reports shown exactly as told, in order (see web/web_view.h for the records).
const Reports = {
  show(record) {
    if ("flag" in record) Elements.setFlag(record.flag, record.which, record.on);
    else if ("caption" in record) Elements.setCaption(record.caption, record.text);
    else if ("plot" in record) Plot.show();
    else if ("slider" in record) document.getElementById("sldSpeedControl").value = record.slider;
    else if ("pointer" in record) Plot.setPointer(record.pointer);
    else if ("load" in record) Schematic.showLoad(record.load, record.strokes);
    else if ("question" in record) Dialogs.ask(record.question);
    else if ("ended" in record) Page.end();
    else if (record.timer === "started") Run.start(record.interval);
    else if (record.timer === "stopped") Run.stop();
    else if (record.timer === "interval") Run.retime(record.interval);
    else if ("shown" in record) (record.shown === "help" ? Help : About).show();
    else if ("hidden" in record) (record.hidden === "help" ? Help : About).hide();
    else if ("topic" in record) Help.showTopic(record.topic);
  },
};
