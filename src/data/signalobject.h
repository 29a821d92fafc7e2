#ifndef SIGNALOBJECT_H
#define SIGNALOBJECT_H

#include <QObject>
#include <QVariant>

// Process-wide signal hub kept by global: sign-out and the first activation of
// the main window are announced here.
class SignalObject : public QObject
{
    Q_OBJECT

public:
    explicit SignalObject(QObject* parent = nullptr);

signals:
    void isAppActionFirstChanged(bool isAppActionFirst);
    void logoutFinish();
    void valueJsonChanged(const QString& key, const QVariant& value);
    void loaded();
    void onMainClose();
    void isAppActiveChanged(bool active);
    void setJsonValue(const QString& key, const QVariant& value);
    void setJsonDisabled(const QString& key, bool disabled);
    void setJsonState(const QString& key, const QString& state);
    void setEditWidth(int width);
    void setEditSideMargin(int margin);
    void setEditFont(const QString& font);
    void setEditColor(const QString& color);
    void setLineSpacing(double spacing);

private:
};

#endif
