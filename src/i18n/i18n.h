#ifndef I18N_H
#define I18N_H

#include <QObject>

// Interface-language switching: installs the stored or the system language.
class I18n : public QObject
{
    Q_OBJECT

public:
    explicit I18n(QObject* app, QObject* engine);

signals:

private:
};

#endif
