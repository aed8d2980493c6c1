#include "platform/testscript.h"

#include <QHash>
#include <QList>
#include <deque>

namespace TestScript {
namespace {

struct TState {
    bool active = false;
    FailureHook hook;
    QHash<QString, std::deque<ModalHandler>> modals;
    struct TMsg { QString kind; int answer; std::function<void(const QString&)> onShown; };
    std::deque<TMsg> messages;
    QList<TShownMessage> shown;
    QHash<QString, std::deque<QVariant>> answers;
    QHash<QString, QStringList> logs;
};

TState& S()
{
    static TState state;
    return state;
}

} // namespace

void Activate(FailureHook onUnscripted)
{
    Clear();
    S().active = true;
    S().hook = std::move(onUnscripted);
}

void Deactivate()
{
    Clear();
    S().active = false;
    S().hook = nullptr;
}

bool Active() { return S().active; }

void Fail(const QString& what)
{
    if (S().active && S().hook)
        S().hook(what);
}

void OnModal(const QString& className, ModalHandler handler)
{
    S().modals[className].push_back(std::move(handler));
}

bool TakeModal(const QString& className, ModalHandler& handler)
{
    auto it = S().modals.find(className);
    if (it == S().modals.end() || it->empty()) {
        Fail(QStringLiteral("unscripted modal form %1").arg(className));
        return false;
    }
    handler = std::move(it->front());
    it->pop_front();
    return true;
}

void AnswerMessage(const QString& kind, int answer, std::function<void(const QString&)> onShown)
{
    S().messages.push_back({kind, answer, std::move(onShown)});
}

QList<TShownMessage>& ShownMessages() { return S().shown; }

bool TakeMessage(const QString& kind, const QString& text, int& answer)
{
    S().shown.append({kind, text});
    if (S().messages.empty() || S().messages.front().kind != kind) {
        Fail(QStringLiteral("unscripted message box %1: %2%3")
                 .arg(kind, text,
                      S().messages.empty() ? QString()
                                           : QStringLiteral(" (next scripted: %1)").arg(S().messages.front().kind)));
        return false;
    }
    auto msg = std::move(S().messages.front());
    S().messages.pop_front();
    answer = msg.answer;
    if (msg.onShown)
        msg.onShown(text);
    return true;
}

void Answer(const QString& channel, const QVariant& value) { S().answers[channel].push_back(value); }

bool TakeAnswer(const QString& channel, QVariant& value)
{
    auto it = S().answers.find(channel);
    if (it == S().answers.end() || it->empty()) {
        Fail(QStringLiteral("unscripted %1 dialog").arg(channel));
        return false;
    }
    value = it->front();
    it->pop_front();
    return true;
}

void Log(const QString& channel, const QString& text) { S().logs[channel].append(text); }
QStringList Logged(const QString& channel) { return S().logs.value(channel); }

QStringList Unconsumed()
{
    QStringList out;
    for (auto it = S().modals.cbegin(); it != S().modals.cend(); ++it)
        for (size_t i = 0; i < it->size(); ++i)
            out << QStringLiteral("modal form %1").arg(it.key());
    for (const auto& m : S().messages)
        out << QStringLiteral("message box %1").arg(m.kind);
    for (auto it = S().answers.cbegin(); it != S().answers.cend(); ++it)
        for (size_t i = 0; i < it->size(); ++i)
            out << QStringLiteral("%1 dialog").arg(it.key());
    return out;
}

void Clear()
{
    S().modals.clear();
    S().messages.clear();
    S().shown.clear();
    S().answers.clear();
    S().logs.clear();
}

} // namespace TestScript
