#pragma once
// Small builders shared by the run-time forms: named buttons and labels
// placed at design positions, captions with their accessible names, panel
// colours from stored colour values.

#include <QLabel>
#include <QPushButton>
#include <QString>

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
