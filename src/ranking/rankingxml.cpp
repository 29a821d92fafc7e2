#include "rankingxml.h"

#include "data/statsclock.h"
#include "support/fileformats/guardedxmlreader.h"
#include "support/log.h"

#include <QXmlStreamWriter>

#include <vector>

namespace {

// Documents from the bucket are untrusted: nesting deeper than any of ours
// is refused instead of walked.
const int kMaxDepth = RankingXml::MaxDepth;

// A document refused for its size or its number of entries: a diagnostic
// line says why, and the reader gives the default record.
bool refuse(const char* kind, const QString& why)
{
    logWarning(lcRooms) << kind << "refused:" << why;
    return false;
}

// The deadline of the documents parsed on this thread (see ParseDeadline).
thread_local QDeadlineTimer t_deadline(QDeadlineTimer::Forever);

// A reader bounded as every document from the bucket is: few attributes on
// an element, and a parse that stops at its own time limit or at the
// thread's deadline, whichever comes first.
void bound(GuardedXmlReader& reader)
{
    reader.setAttributeLimit(RankingXml::MaxAttributes);
    const QDeadlineTimer own(RankingXml::MaxParseMilliseconds);
    reader.setDeadline(qMin(own, t_deadline), QStringLiteral("parsing took longer than its time"));
}

// Whether the reader ended without an error; a refused declaration is
// also said in a diagnostic line.
bool readWhole(const GuardedXmlReader& reader, const char* kind)
{
    if (reader.error() == QXmlStreamReader::CustomError)
        return refuse(kind, reader.errorString());
    return !reader.hasError();
}

// A parsed document as a flat tree of elements (text and comments dropped).
struct XmlElement
{
    QString tag;
    QXmlStreamAttributes attributes;
    std::vector<int> children;

    QString text(const QString& name) const { return attributes.value(name).toString(); }
    qint32 number(const QString& name) const
    {
        bool ok = false;
        const int value = attributes.value(name).toInt(&ok);
        return ok ? value : 0;
    }
};

// Parses the whole text; false for anything that is not one well-formed
// document. Element 0 is the root.
bool parseXml(const QString& text, const char* kind, std::vector<XmlElement>& elements)
{
    elements.clear();
    GuardedXmlReader reader;
    bound(reader);
    reader.setText(text);
    std::vector<int> open;
    while (!reader.atEnd()) {
        reader.readNext();
        if (reader.isStartElement()) {
            if (int(open.size()) >= kMaxDepth || (open.empty() && !elements.empty()))
                return false;
            const int index = int(elements.size());
            elements.push_back(XmlElement { reader.name().toString(), reader.attributes(), {} });
            if (!open.empty())
                elements[open.back()].children.push_back(index);
            open.push_back(index);
        } else if (reader.isEndElement()) {
            open.pop_back();
        }
    }
    return readWhole(reader, kind) && !elements.empty();
}

// Parses a record document (Room or User) whose root element must carry the
// given tag.
bool parseDocument(const QString& text, const char* rootTag, std::vector<XmlElement>& elements)
{
    if (text.size() > RankingXml::MaxRecordSize)
        return refuse(rootTag, QStringLiteral("%1 characters, more than %2").arg(text.size()).arg(RankingXml::MaxRecordSize));
    return parseXml(text, rootTag, elements) && elements[0].tag == QLatin1String(rootTag);
}

// Characters XML 1.0 cannot carry are left out, so every written document
// parses again.
QString xmlSafe(const QString& text)
{
    QString out;
    out.reserve(text.size());
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        const ushort u = c.unicode();
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            out += c;
            out += text.at(++i);
            continue;
        }
        if (c.isSurrogate() || u == 0xFFFE || u == 0xFFFF || (u < 0x20 && u != 0x9 && u != 0xA && u != 0xD))
            continue;
        out += c;
    }
    return out;
}

// Writer with the common head: the xml processing instruction, one element
// per line, one space per nesting level.
class DocumentWriter
{
public:
    DocumentWriter()
        : w(&out)
    {
        w.setAutoFormatting(true);
        w.setAutoFormattingIndent(1);
        w.writeProcessingInstruction(QStringLiteral("xml"), QStringLiteral("version=\"1.0\" encoding=\"UTF-8\""));
    }
    void start(const QString& tag) { w.writeStartElement(tag); }
    void end() { w.writeEndElement(); }
    void text(const QString& name, const QString& value) { w.writeAttribute(name, xmlSafe(value)); }
    void number(const QString& name, qint32 value) { w.writeAttribute(name, QString::number(value)); }
    QString finish()
    {
        w.writeEndDocument();
        // The writer puts a line break before the declaration; the document
        // starts with it instead.
        if (out.startsWith(QLatin1Char('\n')))
            out.remove(0, 1);
        return out;
    }

private:
    QString out;
    QXmlStreamWriter w;
};

void writeUser(DocumentWriter& doc, const UserRoomData& r)
{
    doc.start(QStringLiteral("User"));
    doc.text(QStringLiteral("ID"), r.ID);
    doc.text(QStringLiteral("Name"), r.Name);
    doc.number(QStringLiteral("Words"), r.Words);
    doc.number(QStringLiteral("Second"), r.Second);
    doc.text(QStringLiteral("RoomID"), r.RoomID);
    doc.number(QStringLiteral("BeginTime"), r.BeginTime);
    doc.number(QStringLiteral("EndTime"), r.EndTime);
    doc.number(QStringLiteral("Grade"), r.Grade);
    doc.text(QStringLiteral("AvatarUrl"), r.AvatarUrl);
    doc.start(QStringLiteral("DeviceIdList"));
    for (const QString& id : r.DeviceIdList) {
        doc.start(QStringLiteral("DeviceId"));
        doc.text(QStringLiteral("id"), id);
        doc.end();
    }
    doc.end();
    doc.end();
}

// Reads a User document into r; false when the text is not one.
bool readUser(const QString& xml, UserRoomData& r)
{
    std::vector<XmlElement> e;
    if (!parseDocument(xml, "User", e))
        return false;
    const XmlElement& root = e[0];
    r.ID = root.text(QStringLiteral("ID"));
    r.Name = root.text(QStringLiteral("Name"));
    r.RoomID = root.text(QStringLiteral("RoomID"));
    r.BeginTime = root.number(QStringLiteral("BeginTime"));
    r.EndTime = root.number(QStringLiteral("EndTime"));
    // A record of an earlier day shows nothing written; negative counts from
    // a hostile record count as nothing too.
    if (StatsClock::isToday(r.EndTime)) {
        r.Words = qMax(0, root.number(QStringLiteral("Words")));
        r.Second = qMax(0, root.number(QStringLiteral("Second")));
    }
    r.Grade = root.number(QStringLiteral("Grade"));
    r.AvatarUrl = root.text(QStringLiteral("AvatarUrl"));
    for (int child : root.children) {
        if (e[child].tag != QLatin1String("DeviceIdList"))
            continue;
        for (int id : e[child].children)
            r.DeviceIdList.append(e[id].text(QStringLiteral("id")));
    }
    if (r.DeviceIdList.size() > RankingXml::MaxDevices) {
        refuse("User", QStringLiteral("%1 devices, more than %2").arg(r.DeviceIdList.size()).arg(RankingXml::MaxDevices));
        r = UserRoomData();
        return false;
    }
    return true;
}

} // namespace

RankingXml::ParseDeadline::ParseDeadline(QDeadlineTimer deadline)
    : m_outer(t_deadline)
{
    t_deadline = qMin(deadline, m_outer);
}

RankingXml::ParseDeadline::~ParseDeadline()
{
    t_deadline = m_outer;
}

bool RankingXml::ParseDeadline::passed()
{
    return t_deadline.hasExpired();
}

QString RankingXml::roomDataToXml(const RoomData& data)
{
    DocumentWriter doc;
    doc.start(QStringLiteral("Room"));
    doc.text(QStringLiteral("RoomKey"), data.RoomKey);
    doc.text(QStringLiteral("Name"), data.Name);
    doc.number(QStringLiteral("Type"), data.Type);
    doc.text(QStringLiteral("PassWd"), data.PassWd);
    doc.number(QStringLiteral("Number"), data.Number);
    doc.text(QStringLiteral("Owner"), data.Owner);
    doc.text(QStringLiteral("AvatarUrl"), data.AvatarUrl);
    doc.number(QStringLiteral("CreateTime"), data.CreateTime);
    doc.end();
    return doc.finish();
}

RoomData RankingXml::roomXmlToRoomData(const QString& xml)
{
    RoomData r;
    std::vector<XmlElement> e;
    if (!parseDocument(xml, "Room", e))
        return r;
    const XmlElement& root = e[0];
    r.RoomKey = root.text(QStringLiteral("RoomKey"));
    r.Name = root.text(QStringLiteral("Name"));
    r.Type = root.number(QStringLiteral("Type"));
    r.PassWd = root.text(QStringLiteral("PassWd"));
    r.Number = root.number(QStringLiteral("Number"));
    r.Owner = root.text(QStringLiteral("Owner"));
    r.AvatarUrl = root.text(QStringLiteral("AvatarUrl"));
    r.CreateTime = root.number(QStringLiteral("CreateTime"));
    r.valid = true;
    return r;
}

QString RankingXml::userRoomDataToXml(const UserRoomData& data)
{
    DocumentWriter doc;
    writeUser(doc, data);
    return doc.finish();
}

UserDayData RankingXml::userXmlToUserDayData(const QString& xml)
{
    UserDayData r;
    if (!readUser(xml, r))
        return UserDayData();
    r.valid = true;
    return r;
}

UserRoomData RankingXml::userXmlToUserRoomData(const QString& xml)
{
    UserRoomData r;
    if (!readUser(xml, r))
        return UserRoomData();
    return r;
}

QString RankingXml::botDataToXml(const BotsData& data)
{
    DocumentWriter doc;
    doc.start(QStringLiteral("Bots"));
    doc.text(QStringLiteral("RoomKey"), data.RoomKey);
    doc.number(QStringLiteral("Number"), data.Number);
    doc.number(QStringLiteral("InitTime"), data.InitTime);
    doc.start(QStringLiteral("BotList"));
    for (const BotUserData& b : data.BotList) {
        doc.start(QStringLiteral("Bot"));
        doc.text(QStringLiteral("LoginName"), b.LoginName);
        doc.text(QStringLiteral("Nickname"), b.Nickname);
        doc.number(QStringLiteral("Grade"), b.Grade);
        doc.text(QStringLiteral("AvatarUrl"), b.AvatarUrl);
        doc.number(QStringLiteral("AllWords"), b.AllWords);
        doc.number(QStringLiteral("AllSecond"), b.AllSecond);
        doc.number(QStringLiteral("BeginTime"), b.BeginTime);
        doc.number(QStringLiteral("EndTime"), b.EndTime);
        doc.start(QStringLiteral("WordsOnTime"));
        for (const botTime& step : b.WordsOnTime) {
            doc.start(QStringLiteral("w"));
            doc.number(QStringLiteral("t"), step.t);
            doc.number(QStringLiteral("w"), step.w);
            doc.number(QStringLiteral("s"), step.s);
            doc.end();
        }
        doc.end();
        doc.end();
    }
    doc.end();
    doc.end();
    return doc.finish();
}

// Read as a stream, without a tree of the whole document: a plan is the
// largest of these documents, and it is read again at every refresh.
BotsData RankingXml::botXmlToBotData(const QString& xml)
{
    if (xml.size() > MaxPlanSize) {
        refuse("Bots", QStringLiteral("%1 characters, more than %2").arg(xml.size()).arg(MaxPlanSize));
        return BotsData();
    }
    auto number = [](const QXmlStreamAttributes& a, const char* name) {
        bool ok = false;
        const int value = a.value(QLatin1String(name)).toInt(&ok);
        return ok ? value : 0;
    };
    BotsData plan;
    GuardedXmlReader reader;
    bound(reader);
    reader.setText(xml);
    int depth = 0;
    bool inList = false;
    bool inSteps = false;
    int roots = 0;
    while (!reader.atEnd()) {
        reader.readNext();
        if (reader.isEndElement()) {
            if (depth == 2)
                inList = false;
            else if (depth == 4)
                inSteps = false;
            --depth;
            continue;
        }
        if (!reader.isStartElement())
            continue;
        ++depth;
        if (depth > MaxDepth) {
            refuse("Bots", QStringLiteral("nested deeper than %1").arg(MaxDepth));
            return BotsData();
        }
        const QXmlStreamAttributes a = reader.attributes();
        if (depth == 1) {
            if (++roots > 1 || reader.name() != QLatin1String("Bots"))
                return BotsData();
            plan.RoomKey = a.value(QLatin1String("RoomKey")).toString();
            plan.Number = number(a, "Number");
            plan.InitTime = number(a, "InitTime");
        } else if (depth == 2) {
            inList = reader.name() == QLatin1String("BotList");
        } else if (depth == 3 && inList) {
            if (plan.BotList.size() >= MaxPlanWriters) {
                refuse("Bots", QStringLiteral("more than %1 writers").arg(MaxPlanWriters));
                return BotsData();
            }
            BotUserData b;
            b.LoginName = a.value(QLatin1String("LoginName")).toString();
            b.Nickname = a.value(QLatin1String("Nickname")).toString();
            b.Grade = number(a, "Grade");
            b.AvatarUrl = a.value(QLatin1String("AvatarUrl")).toString();
            b.AllWords = number(a, "AllWords");
            b.AllSecond = number(a, "AllSecond");
            b.BeginTime = number(a, "BeginTime");
            b.EndTime = number(a, "EndTime");
            plan.BotList.append(b);
        } else if (depth == 4 && inList) {
            inSteps = reader.name() == QLatin1String("WordsOnTime");
        } else if (depth == 5 && inSteps) {
            QList<botTime>& steps = plan.BotList.last().WordsOnTime;
            if (steps.size() >= MaxPlanSteps) {
                refuse("Bots", QStringLiteral("more than %1 steps for one writer").arg(MaxPlanSteps));
                return BotsData();
            }
            steps.append(botTime {number(a, "t"), number(a, "s"), number(a, "w")});
        }
    }
    if (!readWhole(reader, "Bots") || roots == 0)
        return BotsData();
    plan.valid = true;
    return plan;
}

QList<BotUser> RankingXml::botXmlToBotUser(const QByteArray& bytes, int count)
{
    if (bytes.size() > MaxCatalogueSize) {
        refuse("BotUsers", QStringLiteral("%1 bytes, more than %2").arg(bytes.size()).arg(MaxCatalogueSize));
        return QList<BotUser>();
    }
    QList<BotUser> users;
    GuardedXmlReader reader;
    bound(reader);
    reader.setData(bytes);
    int depth = 0;
    while (!reader.atEnd()) {
        reader.readNext();
        if (reader.isStartElement()) {
            ++depth;
            if (depth > MaxDepth || (depth == 1 && reader.name() != QLatin1String("BotUsers")))
                return QList<BotUser>();
            if (depth != 2)
                continue;
            BotUser u;
            if (reader.name() == QLatin1String("BotUser")) {
                const QXmlStreamAttributes a = reader.attributes();
                u.LoginName = a.value(QStringLiteral("LoginName")).toString();
                u.Nickname = a.value(QStringLiteral("Nickname")).toString();
                u.AvatarUrl = a.value(QStringLiteral("AvatarUrl")).toString();
                u.Endurance = a.value(QStringLiteral("Endurance")).toInt();
                u.Speed = a.value(QStringLiteral("Speed")).toInt();
                u.TimeLength = a.value(QStringLiteral("TimeLength")).toInt();
            }
            users << u;
        } else if (reader.isEndElement()) {
            --depth;
        }
    }
    if (!readWhole(reader, "BotUsers"))
        return QList<BotUser>();
    // A catalogue longer than a room's share is cut down to it.
    if (count >= 0 && users.size() > count)
        users = users.mid(0, count);
    return users;
}
