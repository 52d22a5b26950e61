// The session's questions as modal dialogs: an input box (prompt, title, default text, OK and
// Cancel) and a message box (text, title, OK). The run goes on behind them; the answer goes to
// the session when the user closes the box.
const Dialogs = {
  setUp() {
    const input = document.getElementById("inputBox");
    const text = document.getElementById("inputText");
    document.getElementById("inputCancel").addEventListener("click", () => input.close("cancel"));
    // Escape cancels, as Cancel does.
    input.addEventListener("close", () =>
      Dialogs.answer(input.returnValue === "ok" ? text.value : ""));
    const message = document.getElementById("messageBox");
    message.addEventListener("close", () => Dialogs.answer(""));
  },

  answer(text) {
    Page.event(() => Bridge.answer(text));
  },

  ask(question) {
    // A line break is carriage return + line feed (or the reverse): one break on the page.
    const shown = (s) => s.replace(/\r/g, "");
    if (question.kind === "input") {
      const box = document.getElementById("inputBox");
      document.getElementById("inputTitle").textContent = question.title;
      document.getElementById("inputPrompt").textContent = shown(question.prompt);
      const text = document.getElementById("inputText");
      text.value = question.defaultText;
      box.returnValue = "";
      box.showModal();
      text.select();
    } else {
      const box = document.getElementById("messageBox");
      document.getElementById("messageTitle").textContent = question.title;
      document.getElementById("messageText").textContent = shown(question.prompt);
      box.returnValue = "";
      box.showModal();
    }
  },
};
