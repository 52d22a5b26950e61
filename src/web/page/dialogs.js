// The session's questions as modal dialogs: an input box (prompt, title, default text, OK and
// Cancel) and a message box (text, title, OK). The run goes on behind them; the answer goes to
// the session when the user closes the box.
const Dialogs = {
  setUp() {
    const input = document.getElementById("inputBox");
    const text = document.getElementById("inputText");
    Dialogs.closeWith(input, () => text.value);
    document.getElementById("inputCancel").addEventListener("click", () => Dialogs.close(input, ""));
    Dialogs.closeWith(document.getElementById("messageBox"), () => "");
  },

  // OK (or Enter) answers what `confirmed` gives, Escape cancels with "". The box closes before the answer goes in, so that a question the
  // answer brings (a refusal, say) opens a box of its own, and the next event finds no question
  // waiting.
  closeWith(box, confirmed) {
    box.querySelector("form").addEventListener("submit", (e) => {
      e.preventDefault();
      Dialogs.close(box, confirmed());
    });
    box.addEventListener("cancel", (e) => {
      e.preventDefault();
      Dialogs.close(box, "");
    });
  },

  close(box, answer) {
    box.close();
    Dialogs.answer(answer);
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
      box.showModal();
      text.select();
    } else {
      const box = document.getElementById("messageBox");
      document.getElementById("messageTitle").textContent = question.title;
      document.getElementById("messageText").textContent = shown(question.prompt);
      box.showModal();
    }
  },
};
