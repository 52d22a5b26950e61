// Timer1 as the session runs it: started, stopped and retimed exactly as reported. Each firing
// is one tick; the page's other events come between ticks.
const Run = {
  handle: null,

  start(interval) {
    Run.stop();
    Run.handle = setInterval(() => Page.event(Bridge.tick), interval);
  },

  stop() {
    if (Run.handle !== null) clearInterval(Run.handle);
    Run.handle = null;
  },

  // A new interval takes effect at once on a running timer, at its next start on a stopped one.
  retime(interval) {
    if (Run.handle !== null) Run.start(interval);
  },
};
