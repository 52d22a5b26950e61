#pragma once
// What the window tests share: a scripted stand-in for the dialogs, a fresh window, and a
// snapshot of every element's flags to see exactly what an action changed.

#include <QMap>
#include <QString>
#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "app/element_table.h"
#include "app/form1.h"
#include "app/menu_table.h"
#include "app/schematic.h"

namespace apptest {

// Answers input boxes from a script and records every dialog shown.
struct ScriptedDialogs : entry::Dialogs {
    std::deque<std::string> answers;
    struct Shown {
        std::string kind, text, title, defaultText;
        int style = 0;
    };
    std::vector<Shown> shown;

    std::string InputBox(const std::string& prompt, const std::string& title,
                         const std::string& defaultText) override {
        shown.push_back({"input", prompt, title, defaultText, 0});
        if (answers.empty()) return {};
        std::string answer = answers.front();
        answers.pop_front();
        return answer;
    }
    void MessageBox(const std::string& text, int style, const std::string& title) override {
        shown.push_back({"message", text, title, {}, style});
    }
};

struct Window {
    ScriptedDialogs* dialogs;
    std::unique_ptr<app::Form1> form;
    Window() {
        auto scripted = std::make_unique<ScriptedDialogs>();
        dialogs = scripted.get();
        form = std::make_unique<app::Form1>(std::move(scripted));
    }
    app::Form1* operator->() { return form.get(); }
    app::Form1& operator*() { return *form; }
};

// Every named element and menu entry of the window.
inline QStringList AllNames() {
    QStringList names;
    for (const auto& row : app::ElementTable()) names << QString::fromLatin1(row.name);
    for (const auto& row : app::MenuTable()) names << QString::fromLatin1(row.name);
    for (const auto& row : app::SchematicTable()) {
        if (*row.name) names << QString::fromLatin1(row.name);
    }
    return names;
}

using Snapshot = QMap<QString, QList<bool>>;

inline Snapshot Flags(const app::Form1& form) {
    Snapshot s;
    for (const QString& name : AllNames()) {
        s[name] = {form.FlagOf(name, app::Flag::Enabled), form.FlagOf(name, app::Flag::Visible),
                   form.FlagOf(name, app::Flag::Checked)};
    }
    return s;
}

// "name:flag" for every flag that differs between two snapshots, sorted.
inline QStringList Changes(const Snapshot& before, const Snapshot& after) {
    static const char* kFlagNames[] = {"enabled", "visible", "checked"};
    QStringList changed;
    for (auto it = before.begin(); it != before.end(); ++it) {
        for (int f = 0; f < 3; ++f) {
            if (it.value()[f] != after[it.key()][f]) {
                changed << it.key() + QLatin1Char(':') + QLatin1String(kFlagNames[f]);
            }
        }
    }
    changed.sort();
    return changed;
}

}  // namespace apptest
