#include "menuletters.h"

#include <QCoreApplication>
#include <QKeyEvent>

MenuLetters::MenuLetters(QObject* parent)
    : QObject(parent)
{
    QCoreApplication::instance()->installEventFilter(this);
}

MenuLetters::~MenuLetters()
{
    if (QCoreApplication::instance())
        QCoreApplication::instance()->removeEventFilter(this);
}

void MenuLetters::setLetters(const QStringList& letters)
{
    if (letters == m_letters)
        return;
    m_letters = letters;
    emit lettersChanged();
}

void MenuLetters::setEnabled(bool enabled)
{
    if (enabled == m_enabled)
        return;
    m_enabled = enabled;
    emit enabledChanged();
}

int MenuLetters::menuOf(const QKeyEvent* event) const
{
    const Qt::KeyboardModifiers mods = event->modifiers() & ~Qt::KeypadModifier;
    if (!m_enabled || mods != Qt::AltModifier)
        return -1;
    QString letter = event->text();
    if (letter.size() != 1 || !letter.at(0).isLetter()) {
        const int key = event->key();
        letter = key > 0 && key < 0x10000 && QChar(key).isLetter() ? QString(QChar(key)) : QString();
    }
    if (letter.isEmpty())
        return -1;
    return m_letters.indexOf(letter.toUpper());
}

bool MenuLetters::eventFilter(QObject*, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::ShortcutOverride && type != QEvent::KeyPress)
        return false;
    auto* key = static_cast<QKeyEvent*>(event);
    const int index = menuOf(key);
    if (index < 0)
        return false;
    // Taking the override keeps the shortcuts from the press; the press
    // itself then opens the menu and goes no further.
    key->accept();
    if (type == QEvent::KeyPress)
        emit chosen(index);
    return true;
}
