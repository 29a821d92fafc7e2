#ifndef CAPTCHASTORE_H
#define CAPTCHASTORE_H

#include <QString>

class Database;

// Captchas in the database: an id handed to the client and the answer kept
// here. An answer is good for one sign-up attempt within the lifetime; the
// attempt uses it up, right or wrong.
class CaptchaStore
{
public:
    explicit CaptchaStore(const Database& database);

    // A new captcha; false when it could not be stored.
    bool create(QString* id, QString* answer);
    // The answer while the captcha is open (empty otherwise); does not use
    // it up. For the picture and for test control.
    QString answer(const QString& id) const;
    enum class Check { Right, Wrong, Failed };
    // Uses the captcha up: Right when given matches its answer, case
    // aside; Failed, with the captcha left as it was, when the database
    // could not record that it was used.
    Check consume(const QString& id, const QString& given);

    static const int lifetimeSeconds = 600;
    static const int length = 5;

private:
    const Database& m_database;
};

#endif
