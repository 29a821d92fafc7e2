#include "settingsfile.h"

#include "data/settingslock.h"
#include "TovaUi/function/message.h"
#include "TovaUi/function/settingsgate.h"
#include "support/log.h"
#include "support/writenotice.h"

#include <QCoreApplication>
#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QFileDevice>
#include <QFileInfo>
#include <QIODevice>
#include <QKeySequence>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QStringList>
#include <QTextCodec>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace {

const char kHexDigits[] = "0123456789ABCDEF";

// ---- writing --------------------------------------------------------------

// Keys: letters, digits, "_", "-" and "." as they are, "/" as "\", other
// characters as %XX or %UXXXX.
void appendKey(const QString& key, QByteArray& out)
{
    for (const QChar c : key) {
        uint ch = c.unicode();
        if (ch == '/') {
            out += '\\';
        } else if ((ch >= 'a' && ch <= 'z') || (ch >= 'A' && ch <= 'Z') || (ch >= '0' && ch <= '9') || ch == '_'
                   || ch == '-' || ch == '.') {
            out += char(ch);
        } else if (ch <= 0xFF) {
            out += '%';
            out += kHexDigits[ch / 16];
            out += kHexDigits[ch % 16];
        } else {
            out += "%U";
            QByteArray hex;
            for (int i = 0; i < 4; ++i) {
                hex.prepend(kHexDigits[ch % 16]);
                ch >>= 4;
            }
            out += hex;
        }
    }
}

// Values: C escapes for control characters, quotes and backslashes, \x for
// everything outside ASCII; quoted when they hold ";", "," or "=" or begin
// or end with a space.
void appendString(const QString& text, QByteArray& out)
{
    bool needsQuotes = false;
    bool escapeNextIfDigit = false;
    const int start = out.size();
    for (const QChar c : text) {
        const uint ch = c.unicode();
        if (ch == ';' || ch == ',' || ch == '=')
            needsQuotes = true;
        // After a \x or \0 escape a following hex digit would be read as
        // part of it.
        if (escapeNextIfDigit
            && ((ch >= '0' && ch <= '9') || (ch >= 'a' && ch <= 'f') || (ch >= 'A' && ch <= 'F'))) {
            out += "\\x" + QByteArray::number(ch, 16);
            continue;
        }
        escapeNextIfDigit = false;
        switch (ch) {
        case '\0': out += "\\0"; escapeNextIfDigit = true; break;
        case '\a': out += "\\a"; break;
        case '\b': out += "\\b"; break;
        case '\f': out += "\\f"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\t': out += "\\t"; break;
        case '\v': out += "\\v"; break;
        case '"':
        case '\\':
            out += '\\';
            out += char(ch);
            break;
        default:
            if (ch <= 0x1F || ch >= 0x7F) {
                out += "\\x" + QByteArray::number(ch, 16);
                escapeNextIfDigit = true;
            } else {
                out += char(ch);
            }
        }
    }
    if (needsQuotes || (start < out.size() && (out.at(start) == ' ' || out.at(out.size() - 1) == ' '))) {
        out.insert(start, '"');
        out += '"';
    }
}

QString latin1(const QByteArray& bytes) { return QString::fromLatin1(bytes.constData(), bytes.size()); }

QString variantToString(const QVariant& value)
{
    switch (value.userType()) {
    case QMetaType::UnknownType:
        return QStringLiteral("@Invalid()");
    case QMetaType::QByteArray:
        return QStringLiteral("@ByteArray(") + latin1(value.toByteArray()) + QLatin1Char(')');
    case QMetaType::QString:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Bool:
    case QMetaType::Double:
    case QMetaType::QKeySequence: {
        QString text = value.toString();
        if (text.contains(QChar::Null))
            return QStringLiteral("@String(") + text + QLatin1Char(')');
        if (text.startsWith(QLatin1Char('@')))
            text.prepend(QLatin1Char('@'));
        return text;
    }
    case QMetaType::QRect: {
        const QRect r = value.toRect();
        return QStringLiteral("@Rect(%1 %2 %3 %4)").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
    }
    case QMetaType::QSize: {
        const QSize s = value.toSize();
        return QStringLiteral("@Size(%1 %2)").arg(s.width()).arg(s.height());
    }
    case QMetaType::QPoint: {
        const QPoint p = value.toPoint();
        return QStringLiteral("@Point(%1 %2)").arg(p.x()).arg(p.y());
    }
    default: {
        const bool dateTime = value.userType() == QMetaType::QDateTime;
        QByteArray bytes;
        {
            QDataStream stream(&bytes, QIODevice::WriteOnly);
            stream.setVersion(dateTime ? QDataStream::Qt_5_6 : QDataStream::Qt_4_0);
            stream << value;
        }
        return (dateTime ? QStringLiteral("@DateTime(") : QStringLiteral("@Variant(")) + latin1(bytes) + QLatin1Char(')');
    }
    }
}

void appendValue(const QVariant& value, QByteArray& out)
{
    const int type = value.userType();
    if (type == QMetaType::QStringList || (type == QMetaType::QVariantList && value.toList().size() != 1)) {
        const QVariantList items = value.toList();
        if (items.isEmpty()) {
            // Told apart from a list of one empty text.
            out += "@Invalid()";
            return;
        }
        for (int i = 0; i < items.size(); ++i) {
            if (i != 0)
                out += ", ";
            appendString(variantToString(items.at(i)), out);
        }
        return;
    }
    appendString(variantToString(value), out);
}

// ---- reading --------------------------------------------------------------

bool isSpace(char ch) { return ch == ' ' || ch == '\t' || ch == '\n' || ch == '\r' || ch == '\f' || ch == '\v'; }
bool endsRun(char ch) { return ch == '\n' || ch == '\r' || ch == '"' || ch == ';' || ch == '=' || ch == '\\'; }

// One logical line from dataPos: its start, length and the position of its
// first "=" outside quotes (-1 when none). Comments (";" at the start) are
// skipped, a ";" later ends the line, a backslash joins the next line.
bool readLine(const QByteArray& data, int& dataPos, int& lineStart, int& lineLen, int& equalsPos)
{
    const int dataLen = data.size();
    bool inQuotes = false;
    equalsPos = -1;
    lineStart = dataPos;
    while (lineStart < dataLen && isSpace(data.at(lineStart)))
        ++lineStart;
    int i = lineStart;
    while (i < dataLen) {
        char ch = data.at(i);
        while (!endsRun(ch)) {
            if (++i == dataLen)
                goto done;
            ch = data.at(i);
        }
        ++i;
        if (ch == '=') {
            if (!inQuotes && equalsPos == -1)
                equalsPos = i - 1;
        } else if (ch == '\n' || ch == '\r') {
            if (i == lineStart + 1) {
                ++lineStart;
            } else if (!inQuotes) {
                --i;
                goto done;
            }
        } else if (ch == '\\') {
            if (i < dataLen) {
                const char next = data.at(i++);
                if (i < dataLen) {
                    const char after = data.at(i);
                    if ((next == '\n' && after == '\r') || (next == '\r' && after == '\n'))
                        ++i;
                }
            }
        } else if (ch == '"') {
            inQuotes = !inQuotes;
        } else { // ';'
            if (i == lineStart + 1) {
                while (i < dataLen && data.at(i) != '\n' && data.at(i) != '\r')
                    ++i;
                while (i < dataLen && isSpace(data.at(i)))
                    ++i;
                lineStart = i;
            } else if (!inQuotes) {
                --i;
                goto done;
            }
        }
    }
done:
    dataPos = i;
    lineLen = i - lineStart;
    return lineLen > 0;
}

void appendUnescapedKey(const QByteArray& key, int from, int to, QString& out)
{
    int i = from;
    while (i < to) {
        ushort ch = uchar(key.at(i));
        if (ch == '\\') {
            out += QLatin1Char('/');
            ++i;
            continue;
        }
        if (ch != '%' || i == to - 1) {
            out += QChar(ch);
            ++i;
            continue;
        }
        int digits = 2;
        int first = i + 1;
        if (key.at(i + 1) == 'U') {
            ++first;
            digits = 4;
        }
        bool ok = false;
        if (first + digits <= to)
            ch = key.mid(first, digits).toUShort(&ok, 16);
        if (!ok) {
            out += QLatin1Char('%');
            ++i;
            continue;
        }
        out += QChar(ch);
        i = first + digits;
    }
}

void chopTrailingSpaces(QString& text, int limit)
{
    int n = text.size();
    while (n > limit && (text.at(n - 1) == QLatin1Char(' ') || text.at(n - 1) == QLatin1Char('\t')))
        text.truncate(--n);
}

int hexValue(char ch)
{
    const char* at = std::strchr(kHexDigits, ch >= 'a' ? ch - ('a' - 'A') : ch);
    return ch && at ? int(at - kHexDigits) : -1;
}

// A value: one text, or a list when it has "," outside quotes. Returns
// whether it is a list.
bool unescapeValue(const QByteArray& str, int from, int to, QString& text, QStringList& list, QTextCodec* codec)
{
    static const char escapes[][2] = { { 'a', '\a' }, { 'b', '\b' }, { 'f', '\f' }, { 'n', '\n' },
                                       { 'r', '\r' }, { 't', '\t' }, { 'v', '\v' }, { '"', '"' },
                                       { '?', '?' },  { '\'', '\'' }, { '\\', '\\' } };
    bool isList = false;
    bool inQuotes = false;
    bool quoted = false;
    int i = from;
    int chopLimit = 0;

    auto skipSpaces = [&] {
        while (i < to && (str.at(i) == ' ' || str.at(i) == '\t'))
            ++i;
    };
    // \x and octal escapes: as many digits as there are.
    auto numeric = [&](int base, ushort value) {
        while (i < to) {
            const char ch = str.at(i);
            const int digit = base == 16 ? hexValue(ch) : (ch >= '0' && ch <= '7' ? ch - '0' : -1);
            if (digit < 0)
                break;
            value = ushort(value * base + digit);
            ++i;
        }
        text += QChar(value);
    };

    // Trailing blanks go, except those of a quoted part or before an escape;
    // a value that ends inside an escape keeps them all.
    bool chopAtEnd = true;
    skipSpaces();
    chopLimit = text.size();
    while (i < to) {
        const char ch = str.at(i);
        if (ch == '\\') {
            ++i;
            if (i >= to) {
                chopAtEnd = false;
                break;
            }
            const char code = str.at(i++);
            bool simple = false;
            for (const auto& e : escapes) {
                if (code == e[0]) {
                    text += QLatin1Char(e[1]);
                    simple = true;
                    break;
                }
            }
            if (!simple && code == 'x') {
                if (i >= to) {
                    chopAtEnd = false;
                    break;
                }
                if (hexValue(str.at(i)) >= 0)
                    numeric(16, 0);
            } else if (!simple && code >= '0' && code <= '7') {
                numeric(8, ushort(code - '0'));
            } else if (!simple && (code == '\n' || code == '\r')) {
                // A line continued: the break itself is no text.
                if (i < to) {
                    const char after = str.at(i);
                    if ((after == '\n' || after == '\r') && after != code)
                        ++i;
                }
            }
            chopLimit = text.size();
        } else if (ch == '"') {
            ++i;
            quoted = true;
            inQuotes = !inQuotes;
            if (!inQuotes) {
                skipSpaces();
                chopLimit = text.size();
            }
        } else if (ch == ',' && !inQuotes) {
            if (!quoted)
                chopTrailingSpaces(text, chopLimit);
            isList = true;
            list.append(text);
            text.clear();
            quoted = false;
            ++i;
            skipSpaces();
            chopLimit = 0;
        } else {
            int j = i + 1;
            while (j < to && str.at(j) != '\\' && str.at(j) != '"' && str.at(j) != ',')
                ++j;
            if (codec)
                text += codec->toUnicode(str.constData() + i, j - i);
            else
                text += QString::fromLatin1(str.constData() + i, j - i);
            i = j;
        }
    }
    if (!quoted && (chopAtEnd || isList))
        chopTrailingSpaces(text, chopLimit);
    if (isList)
        list.append(text);
    return isList;
}

QStringList splitArgs(const QString& s, int open)
{
    QStringList result;
    QString item;
    for (int i = open + 1; i < s.size(); ++i) {
        const QChar c = s.at(i);
        if (c == QLatin1Char(')')) {
            result.append(item);
        } else if (c == QLatin1Char(' ')) {
            result.append(item);
            item.clear();
        } else {
            item.append(c);
        }
    }
    return result;
}

QVariant stringToVariant(const QString& s)
{
    if (s.startsWith(QLatin1Char('@'))) {
        if (s.endsWith(QLatin1Char(')'))) {
            if (s.startsWith(QLatin1String("@ByteArray(")))
                return QVariant(s.midRef(11, s.size() - 12).toLatin1());
            if (s.startsWith(QLatin1String("@String(")))
                return QVariant(s.mid(8, s.size() - 9));
            if (s.startsWith(QLatin1String("@Variant(")) || s.startsWith(QLatin1String("@DateTime("))) {
                const bool dateTime = s.at(1) == QLatin1Char('D');
                QByteArray bytes = s.midRef(dateTime ? 10 : 9).toLatin1();
                QDataStream stream(&bytes, QIODevice::ReadOnly);
                stream.setVersion(dateTime ? QDataStream::Qt_5_6 : QDataStream::Qt_4_0);
                QVariant result;
                stream >> result;
                return result;
            }
            if (s.startsWith(QLatin1String("@Rect("))) {
                const QStringList a = splitArgs(s, 5);
                if (a.size() == 4)
                    return QVariant(QRect(a[0].toInt(), a[1].toInt(), a[2].toInt(), a[3].toInt()));
            } else if (s.startsWith(QLatin1String("@Size("))) {
                const QStringList a = splitArgs(s, 5);
                if (a.size() == 2)
                    return QVariant(QSize(a[0].toInt(), a[1].toInt()));
            } else if (s.startsWith(QLatin1String("@Point("))) {
                const QStringList a = splitArgs(s, 6);
                if (a.size() == 2)
                    return QVariant(QPoint(a[0].toInt(), a[1].toInt()));
            } else if (s == QLatin1String("@Invalid()")) {
                return QVariant();
            }
        }
        if (s.startsWith(QLatin1String("@@")))
            return QVariant(s.mid(1));
    }
    return QVariant(s);
}

QVariant listToVariant(const QStringList& list)
{
    QStringList texts = list;
    for (QString& text : texts) {
        if (!text.startsWith(QLatin1Char('@')))
            continue;
        if (text.size() >= 2 && text.at(1) == QLatin1Char('@')) {
            text.remove(0, 1);
            continue;
        }
        // An "@" form among the items: every item is converted.
        QVariantList variants;
        for (const QString& item : list)
            variants.append(stringToVariant(item));
        return variants;
    }
    return texts;
}

QString whatFailed() { return QCoreApplication::translate("SettingsFile", "无法保存设置："); }

// Why the settings file at path cannot be written when QSettings gave up
// before writing: the system's reason for the file itself, or for a small
// new file beside it (QSettings' lock file is one).
QString writeProblem(const QString& path)
{
    const QByteArray file = QFile::encodeName(path);
    if (::access(file.constData(), F_OK) == 0 && ::access(file.constData(), W_OK) != 0)
        return QString::fromLocal8Bit(std::strerror(errno));
    const QByteArray probe = file + ".probe";
    const int fd = ::open(probe.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    int error = fd < 0 ? errno : 0;
    if (fd >= 0) {
        if (::write(fd, "probe\n", 6) != 6 || ::fsync(fd) != 0)
            error = errno;
        ::close(fd);
        ::unlink(probe.constData());
    }
    return QString::fromLocal8Bit(std::strerror(error ? error : EIO));
}

// The run reaches the real file through a link in a private folder; what is
// told names the real file.
QString realName(const QString& name) { return SettingsLock::realName(name); }

} // namespace

// ---- the format -------------------------------------------------------------

QSettings::Format SettingsFile::format()
{
    static const QSettings::Format registered =
        QSettings::registerFormat(QStringLiteral("ini"), &SettingsFile::read, &SettingsFile::write);
    return registered;
}

QByteArray SettingsFile::encode(const QSettings::SettingsMap& map)
{
    // Keys without a group first, under [General]; then one section per
    // first key part, in key order.
    QByteArray general;
    QMap<QString, QByteArray> sections;
    for (auto it = map.cbegin(); it != map.cend(); ++it) {
        const QString& key = it.key();
        const int slash = key.indexOf(QLatin1Char('/'));
        QByteArray line;
        appendKey(slash < 0 ? key : key.mid(slash + 1), line);
        line += '=';
        appendValue(it.value(), line);
        line += '\n';
        if (slash < 0)
            general += line;
        else
            sections[key.left(slash)] += line;
    }
    QByteArray out;
    if (!general.isEmpty())
        out += "[General]\n" + general;
    for (auto it = sections.cbegin(); it != sections.cend(); ++it) {
        if (!out.isEmpty())
            out += '\n';
        QByteArray name;
        // A group really called "General" must not read as the keys without one.
        if (it.key().compare(QLatin1String("general"), Qt::CaseInsensitive) == 0)
            name = '%' + it.key().toLatin1();
        else
            appendKey(it.key(), name);
        out += '[' + name + "]\n" + it.value();
    }
    return out;
}

bool SettingsFile::decode(const QByteArray& data, QSettings::SettingsMap& map, int* unreadable)
{
    int dropped = 0;
    int dataPos = 0;
    QTextCodec* codec = nullptr;
    if (data.startsWith("\xef\xbb\xbf")) {
        codec = QTextCodec::codecForName("UTF-8");
        dataPos = 3;
    }
    QString section;
    int lineStart = 0;
    int lineLen = 0;
    int equalsPos = 0;
    while (readLine(data, dataPos, lineStart, lineLen, equalsPos)) {
        // A NUL byte is no text a settings file holds: what is left of a
        // block a crash zeroed.
        if (std::memchr(data.constData() + lineStart, '\0', size_t(lineLen))) {
            ++dropped;
            continue;
        }
        if (data.at(lineStart) == '[') {
            const int close = data.indexOf(']', lineStart);
            QByteArray name;
            if (close == -1 || close >= lineStart + lineLen) {
                ++dropped; // the keys below still go under the name given
                name = data.mid(lineStart + 1, lineLen - 1);
            } else {
                name = data.mid(lineStart + 1, close - lineStart - 1);
            }
            name = name.trimmed();
            section.clear();
            if (name.compare("general", Qt::CaseInsensitive) != 0) {
                if (name.compare("%general", Qt::CaseInsensitive) == 0)
                    section = QString::fromLatin1(name.constData() + 1);
                else
                    appendUnescapedKey(name, 0, name.size(), section);
                section += QLatin1Char('/');
            }
            continue;
        }
        if (equalsPos == -1) {
            if (data.at(lineStart) != ';')
                ++dropped;
            continue;
        }
        int keyEnd = equalsPos;
        while (keyEnd > lineStart && (data.at(keyEnd - 1) == ' ' || data.at(keyEnd - 1) == '\t'))
            --keyEnd;
        QString key = section;
        appendUnescapedKey(data, lineStart, keyEnd, key);
        QString text;
        QStringList list;
        const bool isList = unescapeValue(data, equalsPos + 1, lineStart + lineLen, text, list, codec);
        map.insert(key, isList ? listToVariant(list) : stringToVariant(text));
    }
    if (unreadable)
        *unreadable = dropped;
    return dropped == 0;
}

bool SettingsFile::read(QIODevice& device, QSettings::SettingsMap& map)
{
    int unreadable = 0;
    decode(device.readAll(), map, &unreadable);
    if (unreadable > 0) {
        auto* file = qobject_cast<QFileDevice*>(&device);
        const QString name = file ? realName(file->fileName()) : QString();
        logWarning(lcApp) << "unreadable lines dropped from" << name << unreadable;
        // Later: QSettings holds its own lock while it reads.
        message::showLater(Message::Warn, QCoreApplication::translate("SettingsFile", "设置文件中无法读取的行已略过，其余设置照常读取：")
                                              + QDir::toNativeSeparators(name));
    }
    // Never false: QSettings would then drop every key of the file, and the
    // next write would keep none of them.
    return true;
}

bool SettingsFile::write(QIODevice& device, const QSettings::SettingsMap& map)
{
    const QByteArray bytes = encode(map);
    auto* file = qobject_cast<QFileDevice*>(&device);
    const QString name = file ? realName(file->fileName()) : QString();
    // The file holds the account password while signed in: readable by its
    // owner only, whatever file it replaces (a save file's new file, or one
    // made again after it was removed).
    if (file)
        file->setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    bool ok = device.write(bytes) == bytes.size();
    // The buffered tail is written now, not by the commit that follows, so a
    // full disk is seen before anything replaces the settings.
    if (ok && file)
        ok = file->flush() && file->error() == QFileDevice::NoError && file->size() == bytes.size();
    // Settings are written again at every change: told once until a write
    // goes through.
    return WriteNotice::track(whatFailed(), name, { ok, ok ? QString() : device.errorString() });
}

bool SettingsFile::commit(QSettings& settings)
{
    settings.sync();
    if (settings.status() == QSettings::NoError)
        return true;
    // A write that failed in write() was told there; one QSettings stopped
    // before it (no lock file on a full disk, a folder it may not write) is
    // told here, with the reason the system gives for a new file there.
    WriteNotice::once(whatFailed(), realName(settings.fileName()), writeProblem(realName(settings.fileName())));
    return false;
}

bool SettingsFile::store(const QString& key, const QVariant& value)
{
    const SettingsGate gate;
    QSettings settings;
    settings.setValue(key, value);
    return commit(settings);
}

bool SettingsFile::remove(const QString& key)
{
    const SettingsGate gate;
    QSettings settings;
    if (!settings.contains(key))
        return true;
    settings.remove(key);
    return commit(settings);
}
