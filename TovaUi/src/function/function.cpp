#include "function.h"

#include "function/message.h"

#include <QFontDatabase>
#include <QIODevice>
#include <QMutexLocker>
#include <QTextCodec>
#include <QTextStream>

QAtomicPointer<function> function::self;
QMutex function::mutex;

function* function::instance()
{
    function* f = self.loadAcquire();
    if (!f) {
        QMutexLocker lock(&mutex);
        f = self.loadAcquire();
        if (!f) {
            f = new function();
            self.storeRelease(f);
        }
    }
    return f;
}

function::function()
    : QObject(nullptr)
{
}

QString function::systemFont()
{
    return QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
}

Message* function::getMessage()
{
    if (!m_message)
        m_message = new Message();
    return m_message;
}

QString function::getCodecName(const QByteArray& bytes)
{
    if (bytes.startsWith("\xEF\xBB\xBF") || bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF"))
        return QStringLiteral("UTF-8");
    QTextCodec::ConverterState state;
    QTextCodec* utf8 = QTextCodec::codecForName("UTF-8");
    utf8->toUnicode(bytes.constData(), bytes.size(), &state);
    // A character cut by the end of the data is not counted as invalid.
    return state.invalidChars == 0 ? QStringLiteral("UTF-8") : QStringLiteral("GBK");
}

QString function::getCodecName(QIODevice* device)
{
    if (!device || !device->isOpen())
        return QStringLiteral("UTF-8");
    if (device->isSequential())
        return getCodecName(device->peek(16 * 1024 * 1024));
    const qint64 pos = device->pos();
    device->seek(0);
    const QByteArray bytes = device->readAll();
    device->seek(pos);
    return getCodecName(bytes);
}

QString function::decodeText(const QByteArray& bytes)
{
    QTextCodec* codec = QTextCodec::codecForUtfText(bytes, nullptr);
    if (codec)
        return codec->toUnicode(bytes);
    codec = QTextCodec::codecForName(getCodecName(bytes).toLatin1());
    return codec->toUnicode(bytes);
}
