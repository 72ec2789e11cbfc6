#pragma once

#include "common_dialog.h"

#include <QPrinter>
#include <QStringList>

#include <deque>
#include <functional>
#include <optional>

// A dialog object for tests: answers come from a script, and every dialog shown is recorded with
// the values it was shown with. A dialog with no answer scripted is cancelled.
class ScriptedDialog final : public pelmark::workspace::CommonDialog {
public:
    struct Shown {
        QString kind; // "open", "save", "printer", "pageSetup", "font", "message", "prompt"
        Values values;
        QString text;
    };

    std::deque<QString> fileAnswers;                       // a path, or empty to cancel
    std::deque<std::optional<QString>> promptAnswers;      // nullopt cancels
    std::deque<bool> printerAnswers;                       // true prints
    std::deque<std::function<void(Values &)>> fontAnswers; // sets the choice; none cancels
    std::function<void(QPrinter &)> configurePrinter;      // e.g. print to a PDF file
    std::vector<Shown> shown;

    QStringList messages() const
    {
        QStringList out;
        for (const Shown &s : shown) {
            if (s.kind == QLatin1String("message"))
                out << s.text;
        }
        return out;
    }
    int count(const QString &kind) const
    {
        return int(std::count_if(shown.begin(), shown.end(), [&](const Shown &s) { return s.kind == kind; }));
    }

    bool showOpen() override { return file(QStringLiteral("open")); }
    bool showSave() override { return file(QStringLiteral("save")); }
    bool showPrinter(QPrinter &printer) override { return printerDialog(QStringLiteral("printer"), printer); }
    bool showPageSetup(QPrinter &printer) override
    {
        return printerDialog(QStringLiteral("pageSetup"), printer);
    }
    bool showFont() override
    {
        record(QStringLiteral("font"));
        std::function<void(Values &)> answer;
        if (!take(fontAnswers, answer))
            return false;
        answer(values);
        return true;
    }
    void message(const QString &text) override { record(QStringLiteral("message"), text); }
    QString prompt(const QString &text, const QString &defaultAnswer) override
    {
        record(QStringLiteral("prompt"), text + QLatin1Char('|') + defaultAnswer);
        std::optional<QString> answer;
        take(promptAnswers, answer);
        return answer.value_or(QString());
    }

private:
    template <typename T> static bool take(std::deque<T> &queue, T &out)
    {
        if (queue.empty())
            return false;
        out = std::move(queue.front());
        queue.pop_front();
        return true;
    }
    // Both printer dialogs take their answers from printerAnswers.
    bool printerDialog(const QString &kind, QPrinter &printer)
    {
        record(kind);
        bool accepted = false;
        take(printerAnswers, accepted);
        if (accepted && configurePrinter)
            configurePrinter(printer);
        return accepted;
    }
    void record(const QString &kind, const QString &text = {}) { shown.push_back({kind, values, text}); }
    bool file(const QString &kind)
    {
        record(kind);
        values.fileName.clear();
        take(fileAnswers, values.fileName);
        return !values.fileName.isEmpty();
    }
};
