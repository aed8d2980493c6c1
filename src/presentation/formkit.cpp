#include "presentation/formkit.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>

QString AccessibleCaption(const QString& caption)
{
    QString text = caption;
    text.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    text.remove(u'&');
    text.replace(u'\x01', u'&');
    text = text.trimmed();
    while (text.endsWith(u':'))
        text = text.chopped(1).trimmed();
    return text;
}

QPushButton* MakeButton(QWidget* parent, const char* name, const QString& caption)
{
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setAccessibleName(AccessibleCaption(caption));
    b->setAutoDefault(false);
    return b;
}

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& caption)
{
    auto* l = new QLabel(caption, parent);
    l->setObjectName(QString::fromLatin1(name));
    l->setAccessibleName(AccessibleCaption(caption));
    return l;
}

QCheckBox* MakeCheckBox(QWidget* parent, const char* name, const QString& caption)
{
    auto* c = new QCheckBox(caption, parent);
    c->setObjectName(QString::fromLatin1(name));
    c->setAccessibleName(AccessibleCaption(caption));
    return c;
}

QRadioButton* MakeRadio(QWidget* parent, const char* name, const QString& caption)
{
    auto* r = new QRadioButton(caption, parent);
    r->setObjectName(QString::fromLatin1(name));
    r->setAccessibleName(AccessibleCaption(caption));
    return r;
}

QGroupBox* MakeGroup(QWidget* parent, const char* name, const QString& caption)
{
    auto* g = new QGroupBox(caption, parent);
    g->setObjectName(QString::fromLatin1(name));
    g->setAccessibleName(AccessibleCaption(caption));
    return g;
}

QLineEdit* MakeEdit(QWidget* parent, const char* name, const QString& accessible, int maxLength)
{
    auto* e = new QLineEdit(parent);
    e->setObjectName(QString::fromLatin1(name));
    e->setAccessibleName(AccessibleCaption(accessible));
    if (maxLength > 0)
        e->setMaxLength(maxLength);
    return e;
}

void CentreOnScreen(QWidget* window)
{
    const QScreen* s = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (s)
        window->move(s->geometry().center() - QPoint(window->width() / 2, window->height() / 2));
}
