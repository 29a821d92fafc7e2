#ifndef MENULETTERS_H
#define MENULETTERS_H

#include <QObject>
#include <QStringList>

class QKeyEvent;

// Alt and a menu's letter, decided by the letter the keyboard layout gives
// (the key event's text, else its key), never by a stand-in key. Under X a
// key of a second layout is also offered to shortcuts as its first layout's
// Latin key (Alt+Ф as Alt+A), which would run that key's shortcut instead
// of opening the menu; a matching press is therefore taken before any
// shortcut sees it and announced as `chosen(index)`. Watches the whole
// application while it exists.
class MenuLetters : public QObject
{
    Q_OBJECT
    // One upper-case letter per menu, in the bar's order; "" for none.
    Q_PROPERTY(QStringList letters READ letters WRITE setLetters NOTIFY lettersChanged)
    Q_PROPERTY(bool enabled READ enabled WRITE setEnabled NOTIFY enabledChanged)
public:
    explicit MenuLetters(QObject* parent = nullptr);
    ~MenuLetters() override;

    QStringList letters() const { return m_letters; }
    void setLetters(const QStringList& letters);
    bool enabled() const { return m_enabled; }
    void setEnabled(bool enabled);

    // The menu an event with Alt opens, -1 for none.
    int menuOf(const QKeyEvent* event) const;

signals:
    void lettersChanged();
    void enabledChanged();
    void chosen(int index);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QStringList m_letters;
    bool m_enabled = true;
};

#endif
