#pragma once
// TFieldChecks: the checks a form's fields run when the focus leaves them,
// guarded so that a check's own message box or focus move never runs a
// check again.

#include <QList>
#include <QObject>
#include <QPair>

#include <functional>

class QLineEdit;
class QWidget;

// The checks of a form's fields. A watched field runs its check when the
// focus leaves it for another control of the form (not when the window
// merely loses activation, as to a message box, and not when the focus goes
// to the form's Cancel button, which drops everything anyway, or to a button
// pressed with its accelerator, whose action checks for itself). Run() runs a
// check directly, as Save does. While one check runs, no other starts.
class TFieldChecks : public QObject {
public:
    explicit TFieldChecks(QObject* parent = nullptr) : QObject(parent) {}
    void Watch(QLineEdit* field, std::function<bool()> check);
    void SetCancelButton(QWidget* button) { FCancel = button; }
    // The check's answer; true (nothing run) while another check runs.
    bool Run(const std::function<bool()>& check);
    bool Running() const { return FRunning; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QList<QPair<QLineEdit*, std::function<bool()>>> FChecks;
    QWidget* FCancel = nullptr;
    bool FRunning = false;
};
