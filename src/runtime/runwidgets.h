#pragma once
// Small builders shared by the run-time forms: named buttons and labels
// placed at design positions, captions with their accessible names, panel
// colours from stored colour values.

#include <QDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QString>
#include <QVBoxLayout>

#include "platform/fonts.h"

inline QPushButton* NewButton(QWidget* parent, const char* name, const QString& caption, QRect geometry)
{
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setGeometry(geometry);
    b->setAutoDefault(false);
    return b;
}

inline QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text, QRect geometry)
{
    auto* l = new QLabel(text, parent);
    l->setObjectName(QString::fromLatin1(name));
    l->setGeometry(geometry);
    return l;
}

inline QString Plain(const QString& caption)
{
    QString t = caption;
    t.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    t.remove(u'&');
    t.replace(u'\x01', u'&');
    return t;
}

inline void SetCaption(QPushButton* button, const QString& caption)
{
    button->setText(caption);
    button->setAccessibleName(Plain(caption).simplified());
}

inline void Colourise(QWidget* w, quint32 back, const QColor& text = QColor())
{
    QPalette p = w->palette();
    p.setColor(QPalette::Window, ColourToQColor(back));
    if (text.isValid())
        p.setColor(QPalette::WindowText, text);
    w->setPalette(p);
    w->setAutoFillBackground(true);
}

inline QLabel* NamedLabel(QWidget* parent, const char* name, const QString& text)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    return label;
}

// A count shown beside its caption; a screen reader hears both together.
inline QLabel* CountLabel(QWidget* parent, const char* name, const QString& caption, int count)
{
    QLabel* label = NamedLabel(parent, name, QString::number(count));
    label->setAccessibleName(caption + u' ' + QString::number(count));
    return label;
}

// The grid of a small run dialog above its "&OK" and "&Cancel" buttons;
// OK is the default button.
inline void LayOutOkCancel(QDialog& dialog, QGridLayout* grid, QPushButton*& ok, QPushButton*& cancel)
{
    ok = new QPushButton(QDialog::tr("&OK"), &dialog);
    ok->setObjectName(QStringLiteral("OKBtn"));
    ok->setDefault(true);
    cancel = new QPushButton(QDialog::tr("&Cancel"), &dialog);
    cancel->setObjectName(QStringLiteral("CancelBtn"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addLayout(grid);
    layout->addLayout(buttons);
    dialog.setMinimumWidth(300);
    QObject::connect(cancel, &QPushButton::clicked, &dialog, &QDialog::reject);
}
