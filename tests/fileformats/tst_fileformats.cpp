// Document formats: reader choice, plain text, DOCX, ODT, flat ODT and RTF
// reading and writing, and damaged input.
#include "testenvironment.h"
#include "testfiles.h"

#include "support/fileformats/docxreader.h"
#include "support/fileformats/docxwriter.h"
#include "support/fileformats/documentwriter.h"
#include "support/fileformats/formatmanager.h"
#include "support/fileformats/formatreader.h"
#include "support/fileformats/gzip.h"
#include "support/fileformats/odtreader.h"
#include "support/fileformats/odtwriter.h"
#include "support/fileformats/rtfreader.h"
#include "support/fileformats/rtfwriter.h"
#include "support/fileformats/txtreader.h"
#include "ranking/rankingxml.h"

#include <private/qzipreader_p.h>
#include <private/qzipwriter_p.h>

#include <QBuffer>
#include <QDir>
#include <QDirIterator>
#include <QProcess>
#include <QStandardPaths>
#include <QRandomGenerator>
#include <QTextBlock>
#include <QTextCodec>
#include <QTextDocument>
#include <QImage>
#include <QTextFragment>
#include <QtEndian>

#include <memory>

namespace {

QByteArray makeZip(const QList<QPair<QString, QByteArray>>& members)
{
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    QZipWriter zip(&buffer);
    for (const auto& member : members) {
        zip.setCompressionPolicy(member.first == QLatin1String("mimetype") ? QZipWriter::NeverCompress
                                                                          : QZipWriter::AlwaysCompress);
        zip.addFile(member.first, member.second);
    }
    zip.close();
    return data;
}

QByteArray zipMember(const QByteArray& zip, const QString& name)
{
    QBuffer buffer;
    buffer.setData(zip);
    buffer.open(QIODevice::ReadOnly);
    QZipReader reader(&buffer);
    return reader.fileData(name);
}

QByteArray docx(const QByteArray& body, const QByteArray& styles = QByteArray())
{
    const QByteArray ns = "xmlns:w=\"http://schemas.openxmlformats.org/wordprocessingml/2006/main\" "
                          "xmlns:r=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships\"";
    // The parts a word processor needs to open the package.
    QList<QPair<QString, QByteArray>> members = {
        {QStringLiteral("[Content_Types].xml"), "<Types xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\"><Override PartName=\"/word/document.xml\" "
                                                "ContentType=\"application/vnd.openxmlformats-officedocument.wordprocessingml.document.main+xml\"/></Types>"},
        {QStringLiteral("_rels/.rels"), "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\"><Relationship Id=\"rId1\" Target=\"word/document.xml\" "
                                        "Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/officeDocument\"/></Relationships>"}};
    if (!styles.isEmpty())
        members.append({QStringLiteral("word/styles.xml"), "<?xml version=\"1.0\"?><w:styles " + ns + ">" + styles + "</w:styles>"});
    members.append({QStringLiteral("word/document.xml"),
                    "<?xml version=\"1.0\"?><w:document " + ns + "><w:body>" + body + "</w:body></w:document>"});
    return makeZip(members);
}

QByteArray fodt(const QByteArray& styles, const QByteArray& text)
{
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
           "<office:document xmlns:office=\"urn:oasis:names:tc:opendocument:xmlns:office:1.0\" "
           "xmlns:style=\"urn:oasis:names:tc:opendocument:xmlns:style:1.0\" "
           "xmlns:text=\"urn:oasis:names:tc:opendocument:xmlns:text:1.0\" "
           "xmlns:fo=\"urn:oasis:names:tc:opendocument:xmlns:xsl-fo-compatible:1.0\" "
           "xmlns:table=\"urn:oasis:names:tc:opendocument:xmlns:table:1.0\" "
           "xmlns:dc=\"http://purl.org/dc/elements/1.1/\" office:version=\"1.3\" office:mimetype=\"application/vnd.oasis.opendocument.text\">"
           "<office:automatic-styles>" + styles + "</office:automatic-styles>"
           "<office:body><office:text>" + text + "</office:text></office:body></office:document>";
}

// The document in the encoding, without byte-order mark or declaration.
QByteArray unmarked(const char* codec, const QByteArray& xml)
{
    const QString text = QString::fromUtf8(xml.mid(xml.startsWith("<?xml") ? xml.indexOf('>') + 1 : 0)).trimmed();
    QTextCodec::ConverterState state(QTextCodec::IgnoreHeader);
    return QTextCodec::codecForName(codec)->fromUnicode(text.constData(), text.size(), &state);
}

// A start tag's attributes, `count` of them with names from `prefix`.
QByteArray attributes(const QByteArray& prefix, int count)
{
    QByteArray out;
    for (int i = 0; i < count; ++i)
        out += ' ' + prefix + QByteArray::number(i, 36) + "=\"v\"";
    return out;
}

const char* const TooManyAttributes = "文档中一个元素的属性过多：超过 256 个，已停止读取。";

struct ReadResult {
    std::unique_ptr<QTextDocument> document;
    int type = -1;
    QString error;
    QByteArray encoding;
};

// Reads bytes through the format manager, or the given reader, into a fresh document.
ReadResult readBytes(const QByteArray& bytes, const QString& type = QString(), FormatReader* given = nullptr)
{
    ReadResult result;
    result.document.reset(new QTextDocument);
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    std::unique_ptr<FormatReader> reader(given ? given : FormatManager::createReader(&buffer, type));
    result.type = reader->type();
    reader->read(&buffer, result.document.get());
    result.error = reader->errorString();
    result.encoding = reader->encoding();
    return result;
}

QStringList blockTexts(const QTextDocument* document)
{
    QStringList texts;
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next())
        texts.append(block.text());
    return texts;
}

QTextCharFormat formatAt(const QTextDocument* document, const QString& text)
{
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        for (QTextBlock::iterator it = block.begin(); !it.atEnd(); ++it) {
            if (it.fragment().text().contains(text))
                return it.fragment().charFormat();
        }
    }
    return QTextCharFormat();
}

QTextBlock blockWith(const QTextDocument* document, const QString& text)
{
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        if (block.text().contains(text))
            return block;
    }
    return QTextBlock();
}

int headingLevel(const QTextBlock& block)
{
    return FormatHeading::level(block.blockFormat());
}

// A document with every format the writers carry.
void fillSample(QTextDocument* document)
{
    QTextCursor cursor(document);
    QTextBlockFormat heading;
    FormatHeading::setLevel(heading, 2);
    cursor.setBlockFormat(heading);
    cursor.insertText(QStringLiteral("Chapter One"));

    QTextBlockFormat centred;
    centred.setAlignment(Qt::AlignHCenter);
    cursor.insertBlock(centred, QTextCharFormat());
    cursor.insertText(QStringLiteral("plain "));
    QTextCharFormat bold;
    bold.setFontWeight(QFont::Bold);
    cursor.insertText(QStringLiteral("bold"), bold);
    QTextCharFormat italic;
    italic.setFontItalic(true);
    cursor.insertText(QStringLiteral(" italic"), italic);
    QTextCharFormat underline;
    underline.setFontUnderline(true);
    cursor.insertText(QStringLiteral(" under"), underline);
    QTextCharFormat strike;
    strike.setFontStrikeOut(true);
    cursor.insertText(QStringLiteral(" strike"), strike);
    QTextCharFormat super;
    super.setVerticalAlignment(QTextCharFormat::AlignSuperScript);
    cursor.insertText(QStringLiteral("sup"), super);
    QTextCharFormat sub;
    sub.setVerticalAlignment(QTextCharFormat::AlignSubScript);
    cursor.insertText(QStringLiteral("sub"), sub);

    QTextBlockFormat indented;
    indented.setIndent(2);
    cursor.insertBlock(indented, QTextCharFormat());
    cursor.insertText(QStringLiteral("a   b\tc") + QChar(0x2028) + QStringLiteral("d  "));

    QTextBlockFormat rtl;
    rtl.setLayoutDirection(Qt::RightToLeft);
    cursor.insertBlock(rtl, QTextCharFormat());
    cursor.insertText(QStringLiteral("right to left"));

    QTextBlockFormat justified;
    justified.setAlignment(Qt::AlignJustify);
    cursor.insertBlock(justified, QTextCharFormat());
    cursor.insertText(QStringLiteral("中文 and {braces} \\ é"));
}

// Reads bytes with the XML reader of the type, whatever the first bytes suggest.
ReadResult readXmlAs(const QByteArray& bytes, const QString& type)
{
    return readBytes(bytes, type, type == QLatin1String("docx") ? static_cast<FormatReader*>(new DocxReader) : new OdtReader);
}

// Reads bytes with one reader type and the given limits.
ReadResult readWith(const QByteArray& bytes, const QString& type, const ReadLimits& limits)
{
    ReadResult result;
    result.document.reset(new QTextDocument);
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    std::unique_ptr<FormatReader> reader(FormatManager::createReader(&buffer, type));
    reader->setLimits(limits);
    result.type = reader->type();
    reader->read(&buffer, result.document.get());
    result.error = reader->errorString();
    result.encoding = reader->encoding();
    return result;
}

// The bytes the writers make of a document.
QByteArray written(const QTextDocument* document, const QString& type, const QByteArray& encoding = QByteArray())
{
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    if (type == QLatin1String("docx")) {
        DocxWriter().write(&buffer, document);
    } else if (type == QLatin1String("rtf")) {
        buffer.setTextModeEnabled(true);
        RtfWriter(encoding.isEmpty() ? QByteArray("CP1252") : encoding).write(&buffer, document);
    } else {
        OdtWriter writer;
        writer.setFlatXML(type == QLatin1String("fodt"));
        writer.write(&buffer, document);
    }
    return data;
}

// A book of numbered paragraphs, every tenth a heading, with some bold.
void fillBook(QTextDocument* document, int paragraphs)
{
    QTextCursor cursor(document);
    QTextCharFormat bold;
    bold.setFontWeight(QFont::Bold);
    for (int i = 0; i < paragraphs; ++i) {
        QTextBlockFormat format;
        FormatHeading::setLevel(format, i % 10 == 0 ? 1 : 0);
        if (i == 0)
            cursor.setBlockFormat(format);
        else
            cursor.insertBlock(format, QTextCharFormat());
        cursor.insertText(QStringLiteral("第%1段 paragraph ").arg(i));
        cursor.insertText(QStringLiteral("粗体"), bold);
    }
}

// Where a paragraph's text lines up on the page: an alignment without
// Qt::AlignAbsolute follows the direction, and none is the start.
QString visualEdge(const QTextBlockFormat& format)
{
    const Qt::Alignment alignment = format.alignment();
    const bool rtl = format.layoutDirection() == Qt::RightToLeft;
    if (alignment & (Qt::AlignHCenter | Qt::AlignVCenter))
        return QStringLiteral("centre");
    if (alignment & Qt::AlignJustify)
        return QStringLiteral("justify");
    bool left = !(alignment & Qt::AlignRight);
    if (rtl && !(alignment & Qt::AlignAbsolute))
        left = !left;
    return left ? QStringLiteral("left") : QStringLiteral("right");
}

const QStringList& readerTypes()
{
    static const QStringList types = {QStringLiteral("docx"), QStringLiteral("odt"), QStringLiteral("fodt"),
                                      QStringLiteral("rtf")};
    return types;
}

}

class TestFileFormats : public QObject
{
    Q_OBJECT

private:
    QString m_dir;

    QString path(const QString& name) const { return m_dir + QLatin1Char('/') + name; }

    static QByteArray fileBytes(const QString& fileName)
    {
        QFile file(fileName);
        file.open(QIODevice::ReadOnly);
        return file.readAll();
    }

    // LibreOffice converts the file into the folder with --convert-to `to`; false when it could not.
    bool libreOffice(const QString& to, const QString& file, const QString& outDir) const
    {
        const QString soffice = QStandardPaths::findExecutable(QStringLiteral("soffice"));
        if (soffice.isEmpty())
            qWarning("LibreOffice is needed (Debian: libreoffice-writer-nogui, which scripts/setup.sh installs)");
        QProcess office;
        office.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        office.start(soffice, {QStringLiteral("-env:UserInstallation=file://") + path(QStringLiteral("office")), QStringLiteral("--headless"),
                               QStringLiteral("--convert-to"), to, QStringLiteral("--outdir"), outDir, file});
        return office.waitForFinished(240000) && office.exitCode() == 0;
    }

    // LibreOffice's text export of the file, without the byte-order mark and CR LF line ends it writes.
    QString libreOfficeText(const QString& file, const QString& outDir) const
    {
        if (!libreOffice(QStringLiteral("txt:Text (encoded):UTF8"), file, outDir))
            return QStringLiteral("<no text from LibreOffice>");
        QString text = QString::fromUtf8(fileBytes(outDir + QLatin1Char('/') + QFileInfo(file).completeBaseName() + QStringLiteral(".txt")));
        return text.remove(QChar(0xFEFF)).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    }

private slots:
    void initTestCase()
    {
        m_dir = QDir::tempPath() + QStringLiteral("/formats");
        QVERIFY(QDir().mkpath(m_dir));
    }

    // ---- reader choice and filters ----------------------------------------

    void readerChoice_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("type");
        QTest::addColumn<int>("expected");
        const QByteArray odtPackage = makeZip({{QStringLiteral("mimetype"), "application/vnd.oasis.opendocument.text"},
                                               {QStringLiteral("content.xml"), "<x/>"}});
        const QByteArray otherZip = makeZip({{QStringLiteral("word/document.xml"), "<x/>"}});
        QTest::newRow("rtf named docx") << QByteArray("{\\rtf1 hi}") << "docx" << 2;
        QTest::newRow("zip named odt") << otherZip << "odt" << 4;
        QTest::newRow("odt package named txt") << odtPackage << "txt" << 3;
        QTest::newRow("flat odt") << QByteArray("<?xml version=\"1.0\"?>\n<office:document-content/>") << "" << 3;
        QTest::newRow("flat odt root too late")
            << QByteArray("<?xml version=\"1.0\"?>" + QByteArray(80, ' ') + "<office:document/>") << "fodt" << 1;
        QTest::newRow("plain text") << QByteArray("hello") << "rtf" << 1;
        QTest::newRow("empty") << QByteArray() << "docx" << 1;
    }

    void readerChoice()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, type);
        QFETCH(int, expected);
        QBuffer buffer;
        buffer.setData(bytes);
        buffer.open(QIODevice::ReadOnly);
        std::unique_ptr<FormatReader> reader(FormatManager::createReader(&buffer, type));
        QCOMPARE(reader->type(), expected);
        QCOMPARE(buffer.pos(), qint64(0));
    }

    void filters()
    {
        QStringList all = FormatManager::filters(QString());
        QCOMPARE(all.size(), 8);
        QVERIFY(all.first().startsWith(QLatin1String("All Supported Files")));
        QCOMPARE(FormatManager::filters(QStringLiteral("odt")).first(), QStringLiteral("OpenDocument Text (*.odt)"));
        QCOMPARE(FormatManager::filters(QStringLiteral("txt")).first(), QStringLiteral("Plain Text (*.txt *.text)"));
        QCOMPARE(FormatManager::filters(QStringLiteral("txt")).size(), 7);
        QCOMPARE(FormatManager::filters(QStringLiteral("pdf")).first(), QStringLiteral("All Files (*)"));
        QCOMPARE(FormatManager::filters(QStringLiteral("md")).at(1), QStringLiteral("OpenDocument Text (*.odt)"));
        QVERIFY(FormatManager::filter(QStringLiteral("TXT")).isEmpty());
        QVERIFY(FormatManager::isRichText(QStringLiteral("Book.DOCX")));
        QVERIFY(!FormatManager::isRichText(QStringLiteral("notes.txt")));
        QVERIFY(FormatManager::isRichText(QStringLiteral("rtf")));
    }

    // ---- plain text --------------------------------------------------------

    void plainText_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("encoding");
        QTextCodec* gbk = QTextCodec::codecForName("GBK");
        QTest::newRow("utf-8") << QString::fromUtf8("第一章\n正文").toUtf8() << QString::fromUtf8("第一章\n正文") << QByteArray("UTF-8");
        QTest::newRow("gbk first") << gbk->fromUnicode(QString::fromUtf8("第一章")) << QString::fromUtf8("第一章") << QByteArray("GBK");
        // The whole content decides, not the first bytes.
        QTest::newRow("gbk after ascii") << QByteArray("Chapter 1 ") + gbk->fromUnicode(QString::fromUtf8("开始"))
                                         << QString::fromUtf8("Chapter 1 开始") << QByteArray("GBK");
        QTest::newRow("crlf") << QByteArray("a\r\nb") << QStringLiteral("a\nb") << QByteArray("UTF-8");
    }

    void plainText()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, text);
        QFETCH(QByteArray, encoding);
        const ReadResult result = readBytes(bytes, QStringLiteral("txt"));
        QCOMPARE(result.type, 1);
        QCOMPARE(result.document->toPlainText(), text);
        QCOMPARE(result.encoding, encoding);
        QVERIFY(result.error.isEmpty());
    }

    void plainTextWriting()
    {
        QTextDocument document(QStringLiteral("line one\nline two"));
        DocumentWriter writer;
        writer.setDocument(&document);
        writer.setType(QStringLiteral("txt"));
        writer.setFileName(path(QStringLiteral("plain.txt")));
        QVERIFY(writer.write());
        QCOMPARE(fileBytes(writer.fileName()), QByteArray("line one\nline two"));

        writer.setEncoding("UTF-16");
        QVERIFY(writer.write());
        const QByteArray utf16 = fileBytes(writer.fileName());
        QVERIFY(utf16.startsWith("\xFF\xFE") || utf16.startsWith("\xFE\xFF"));

        // A failure leaves the existing file untouched.
        writer.setEncoding("no-such-encoding");
        QVERIFY(!writer.write());
        QCOMPARE(fileBytes(writer.fileName()), utf16);

        writer.setEncoding(QByteArray());
        writer.setFileName(path(QStringLiteral("missing-folder/plain.txt")));
        QVERIFY(!writer.write());
        QVERIFY(!QFile::exists(writer.fileName()));
    }

    // ---- round trips through every writer and reader -----------------------

    void roundTrip_data()
    {
        QTest::addColumn<QString>("type");
        QTest::addColumn<int>("readerType");
        QTest::newRow("docx") << "docx" << 4;
        QTest::newRow("odt") << "odt" << 3;
        QTest::newRow("fodt") << "fodt" << 3;
        QTest::newRow("rtf") << "rtf" << 2;
    }

    void roundTrip()
    {
        QFETCH(QString, type);
        QFETCH(int, readerType);
        QTextDocument source;
        fillSample(&source);
        DocumentWriter writer;
        writer.setDocument(&source);
        writer.setType(type);
        writer.setEncoding(type == QLatin1String("rtf") ? QByteArray("CP1252") : QByteArray());
        writer.setFileName(path(QStringLiteral("sample.") + type));
        QVERIFY(writer.write());

        const ReadResult result = readBytes(fileBytes(writer.fileName()), type);
        QCOMPARE(result.type, readerType);
        QVERIFY2(result.error.isEmpty(), qPrintable(result.error));
        const QTextDocument* read = result.document.get();
        QCOMPARE(blockTexts(read), blockTexts(&source));

        QCOMPARE(headingLevel(read->begin()), 2);
        QCOMPARE(headingLevel(read->begin().next()), 0);
        QVERIFY(blockWith(read, QStringLiteral("plain")).blockFormat().alignment() & Qt::AlignHCenter);
        QVERIFY(blockWith(read, QStringLiteral("中文")).blockFormat().alignment() & Qt::AlignJustify);
        QCOMPARE(blockWith(read, QStringLiteral("a ")).blockFormat().indent(), 2);
        QCOMPARE(blockWith(read, QStringLiteral("right to left")).blockFormat().layoutDirection(), Qt::RightToLeft);

        QCOMPARE(formatAt(read, QStringLiteral("bold")).fontWeight(), int(QFont::Bold));
        QVERIFY(formatAt(read, QStringLiteral("italic")).fontItalic());
        QVERIFY(formatAt(read, QStringLiteral("under")).fontUnderline());
        QVERIFY(formatAt(read, QStringLiteral("strike")).fontStrikeOut());
        QCOMPARE(formatAt(read, QStringLiteral("sup")).verticalAlignment(), QTextCharFormat::AlignSuperScript);
        QCOMPARE(formatAt(read, QStringLiteral("sub")).verticalAlignment(), QTextCharFormat::AlignSubScript);
        QVERIFY(!formatAt(read, QStringLiteral("plain")).fontItalic());
        QVERIFY(formatAt(read, QStringLiteral("plain")).fontWeight() != QFont::Bold);
    }

    // ---- DOCX --------------------------------------------------------------

    void docxWriterXml()
    {
        QTextDocument document;
        QTextCursor cursor(&document);
        QTextBlockFormat heading;
        FormatHeading::setLevel(heading, 3);
        cursor.setBlockFormat(heading);
        cursor.insertText(QStringLiteral("a\tb"));
        QTextBlockFormat rtl;
        rtl.setLayoutDirection(Qt::RightToLeft);
        rtl.setIndent(2);
        cursor.insertBlock(rtl);
        QTextCharFormat semiBold;
        semiBold.setFontWeight(63);
        cursor.insertText(QStringLiteral(" x "), semiBold);
        cursor.insertBlock(QTextBlockFormat());

        QByteArray data;
        QBuffer buffer(&data);
        buffer.open(QIODevice::WriteOnly);
        DocxWriter writer;
        QVERIFY(writer.write(&buffer, &document));
        const QByteArray xml = zipMember(data, QStringLiteral("word/document.xml"));
        QVERIFY2(xml.contains("<w:p><w:pPr><w:pStyle w:val=\"Heading3\"/></w:pPr><w:r>"
                              "<w:t xml:space=\"preserve\">a</w:t><w:tab/><w:t xml:space=\"preserve\">b</w:t></w:r></w:p>"),
                 xml.constData());
        QVERIFY(xml.contains("<w:pPr><w:bidi w:val=\"1\"/><w:jc w:val=\"left\"/><w:ind w:right=\"1440\"/></w:pPr>"
                             "<w:r><w:t xml:space=\"preserve\"> x </w:t></w:r>"));
        QVERIFY(xml.endsWith("<w:p></w:p></w:body></w:document>\n") || xml.contains("<w:p/></w:body>"));
        QVERIFY(zipMember(data, QStringLiteral("word/styles.xml"))
                    .contains("<w:style w:type=\"paragraph\" w:styleId=\"Heading2\"><w:name w:val=\"Heading 2\"/>"));
        QVERIFY(!zipMember(data, QStringLiteral("[Content_Types].xml")).isEmpty());
        QVERIFY(!zipMember(data, QStringLiteral("_rels/.rels")).isEmpty());

        writer.setStrict(true);
        QTextDocument right;
        QTextBlockFormat format;
        format.setAlignment(Qt::AlignRight);
        format.setIndent(1);
        QTextCursor(&right).setBlockFormat(format);
        data.clear();
        buffer.seek(0);
        DocxWriter strict;
        strict.setStrict(true);
        QVERIFY(strict.write(&buffer, &right));
        QVERIFY(zipMember(data, QStringLiteral("word/document.xml")).contains("<w:jc w:val=\"end\"/><w:ind w:start=\"720\"/>"));
    }

    void docxReader()
    {
        const QByteArray styles =
            "<w:style w:type=\"paragraph\" w:styleId=\"Late\"><w:name w:val=\"Late\"/><w:basedOn w:val=\"Base\"/></w:style>"
            "<w:style w:type=\"paragraph\" w:styleId=\"Base\"><w:name w:val=\"Base\"/><w:pPr><w:jc w:val=\"center\"/></w:pPr></w:style>"
            "<w:style w:type=\"paragraph\" w:styleId=\"H3\"><w:name w:val=\"Heading 3\"/></w:style>"
            "<w:style w:type=\"paragraph\" w:styleId=\"Hd\"><w:name w:val=\"Header\"/></w:style>"
            "<w:style w:type=\"paragraph\" w:styleId=\"h2\"><w:name w:val=\"heading 2\"/></w:style>"
            "<w:style w:type=\"paragraph\" w:styleId=\"Loop\"><w:name w:val=\"Loop\"/><w:basedOn w:val=\"Loop\"/></w:style>";
        const QByteArray body =
            "<w:p><w:pPr><w:pStyle w:val=\"Late\"/></w:pPr><w:r><w:t>late</w:t></w:r></w:p>"
            "<w:p><w:pPr><w:pStyle w:val=\"H3\"/></w:pPr><w:r><w:t>three</w:t></w:r></w:p>"
            "<w:p><w:pPr><w:pStyle w:val=\"Hd\"/></w:pPr><w:r><w:t>header</w:t></w:r></w:p>"
            "<w:p><w:pPr><w:pStyle w:val=\"h2\"/></w:pPr><w:r><w:t>lower</w:t></w:r></w:p>"
            "<w:p><w:pPr><w:outlineLvl w:val=\"9\"/></w:pPr><w:r><w:t>body</w:t></w:r></w:p>"
            "<w:p><w:pPr><w:outlineLvl w:val=\"7\"/></w:pPr><w:r><w:t>six</w:t></w:r></w:p>"
            "<w:p><w:r><w:rPr><w:b/></w:rPr><w:t>bold</w:t></w:r><w:r><w:rPr><w:b w:val=\"0\"/></w:rPr><w:t>thin</w:t></w:r>"
            "<w:r><w:t> </w:t><w:t xml:space=\"preserve\"> </w:t><w:br w:type=\"page\"/><w:t>x</w:t></w:r></w:p>"
            "<w:tbl><w:tblPr/><w:tr><w:tc><w:tcPr/><w:p><w:r><w:t>cell A</w:t></w:r></w:p></w:tc>"
            "<w:tc><w:p><w:r><w:t>cell B</w:t></w:r></w:p><w:tbl><w:tr><w:tc><w:p><w:r><w:t>inner</w:t></w:r></w:p></w:tc></w:tr></w:tbl></w:tc></w:tr></w:tbl>"
            "<w:sdt><w:sdtPr/><w:sdtContent><w:p><w:r><w:t>control</w:t></w:r></w:p></w:sdtContent></w:sdt>"
            "<w:p><w:r><w:t xml:space=\"preserve\">see </w:t></w:r><w:hyperlink r:id=\"rId2\"><w:r><w:t>the site</w:t></w:r></w:hyperlink>"
            "<w:fldSimple w:instr=\"PAGE\"><w:r><w:t>7</w:t></w:r></w:fldSimple><w:ins><w:r><w:t>!</w:t></w:r></w:ins>"
            "<w:del><w:r><w:delText>gone</w:delText></w:r></w:del><w:r><w:br w:type=\"page\"/></w:r></w:p>"
            "<w:p><w:r><w:br w:type=\"page\"/><w:t>after break</w:t></w:r></w:p>"
            "<w:p><w:pPr><w:pStyle w:val=\"Loop\"/><w:ind w:left=\"1440\"/></w:pPr></w:p>";
        const ReadResult result = readBytes(docx(body, styles), QStringLiteral("docx"));
        QVERIFY2(result.error.isEmpty(), qPrintable(result.error));
        const QTextDocument* document = result.document.get();
        QCOMPARE(blockTexts(document),
                 QStringList({QStringLiteral("late"), QStringLiteral("three"), QStringLiteral("header"),
                              QStringLiteral("lower"), QStringLiteral("body"), QStringLiteral("six"),
                              QStringLiteral("boldthin ") + QChar(0x2028) + QStringLiteral("x"), QStringLiteral("cell A"),
                              QStringLiteral("cell B"), QStringLiteral("inner"), QStringLiteral("control"),
                              QStringLiteral("see the site7!"), QStringLiteral("after break"), QString()}));
        QCOMPARE(document->begin().blockFormat().alignment(), Qt::AlignCenter);
        // A page break adds no character; text after one inside a paragraph
        // starts a new line.
        QCOMPARE(headingLevel(blockWith(document, QStringLiteral("three"))), 3);
        QCOMPARE(headingLevel(blockWith(document, QStringLiteral("header"))), 1);
        QCOMPARE(headingLevel(blockWith(document, QStringLiteral("lower"))), 0);
        QCOMPARE(headingLevel(blockWith(document, QStringLiteral("body"))), 0);
        QCOMPARE(headingLevel(blockWith(document, QStringLiteral("six"))), 6);
        QCOMPARE(formatAt(document, QStringLiteral("bold")).fontWeight(), int(QFont::Bold));
        QCOMPARE(formatAt(document, QStringLiteral("thin")).fontWeight(), int(QFont::Normal));
        QCOMPARE(document->lastBlock().blockFormat().indent(), 2);

        // Another prefix for the WordprocessingML namespace yields nothing.
        const QByteArray other = makeZip({{QStringLiteral("word/document.xml"),
                                           "<x:document xmlns:x=\"http://schemas.openxmlformats.org/wordprocessingml/2006/main\">"
                                           "<x:body><x:p><x:r><x:t>hidden</x:t></x:r></x:p></x:body></x:document>"}});
        const ReadResult empty = readBytes(other, QStringLiteral("docx"));
        QVERIFY(empty.error.isEmpty());
        QCOMPARE(empty.document->toPlainText(), QString());
    }

    // ---- ODT ---------------------------------------------------------------

    void odtWriterXml()
    {
        QTextDocument document;
        QTextCursor cursor(&document);
        cursor.insertText(QStringLiteral("a   b  "));
        QTextBlockFormat centred;
        centred.setAlignment(Qt::AlignHCenter);
        cursor.insertBlock(centred);
        cursor.insertText(QStringLiteral("x   \ty") + QChar(0) + QStringLiteral("z"));
        cursor.insertBlock(centred);
        cursor.insertText(QStringLiteral("two"));
        QTextBlockFormat heading;
        FormatHeading::setLevel(heading, 2);
        heading.setAlignment(Qt::AlignRight);
        cursor.insertBlock(heading);
        cursor.insertText(QStringLiteral("Head"));
        QTextBlockFormat rtl;
        rtl.setLayoutDirection(Qt::RightToLeft);
        rtl.setIndent(3);
        cursor.insertBlock(rtl);
        QTextCharFormat colour;
        colour.setForeground(Qt::red);
        cursor.insertText(QStringLiteral("red"), colour);

        QByteArray data;
        QBuffer buffer(&data);
        buffer.open(QIODevice::WriteOnly);
        OdtWriter writer;
        QVERIFY(writer.write(&buffer, &document));
        // The first member is the uncompressed mime type, as the sniff needs.
        QCOMPARE(data.mid(30, 47), QByteArray("mimetypeapplication/vnd.oasis.opendocument.text"));
        const QByteArray content = zipMember(data, QStringLiteral("content.xml"));
        QVERIFY2(content.contains("<text:p text:style-name=\"Normal\">a <text:s text:c=\"2\"/>b <text:s text:c=\"1\"/></text:p>"),
                 content.constData());
        QVERIFY(content.contains("<text:p text:style-name=\"P1\">x <text:s text:c=\"2\"/><text:tab/>yz</text:p>"));
        QVERIFY(content.contains("<text:p text:style-name=\"P1\">two</text:p>"));
        QVERIFY(content.contains("<text:h text:outline-level=\"2\" text:style-name=\"Heading-2\">Head</text:h>"));
        QVERIFY(content.contains("<style:paragraph-properties style:writing-mode=\"rl\" fo:text-align=\"right\" fo:margin-left=\"1.5in\"/>"));
        QVERIFY(content.contains(">red</text:p>"));
        QVERIFY(!content.contains("<text:span"));
        QVERIFY(!content.contains("\"P3\""));
        const QByteArray styles = zipMember(data, QStringLiteral("styles.xml"));
        QVERIFY(styles.contains("style:name=\"Heading-6\" style:display-name=\"Heading 6\""));
        QVERIFY(!styles.contains("xmlns:text"));
        QVERIFY(zipMember(data, QStringLiteral("META-INF/manifest.xml")).contains("manifest:full-path=\"content.xml\""));
    }

    // Spaces an ODF reader would drop (at the start of a paragraph, after a
    // space, also one that ends the fragment before, after a tab or a line
    // break) are written as "text:s"; Penlark reads both forms alike. Every
    // second fragment is bold.
    void odtWriterSpaces_data()
    {
        QTest::addColumn<QStringList>("fragments");
        QTest::addColumn<QByteArray>("xml");
        QTest::newRow("between words") << QStringList {"a b"} << QByteArray(">a b</text:p>");
        QTest::newRow("start") << QStringList {" a"} << QByteArray("><text:s text:c=\"1\"/>a</text:p>");
        QTest::newRow("indent") << QStringList {"    a"} << QByteArray("><text:s text:c=\"4\"/>a</text:p>");
        QTest::newRow("run") << QStringList {"a   b"} << QByteArray(">a <text:s text:c=\"2\"/>b</text:p>");
        QTest::newRow("before tab") << QStringList {"x   \ty"} << QByteArray(">x <text:s text:c=\"2\"/><text:tab/>y</text:p>");
        QTest::newRow("after tab") << QStringList {"a\t b"} << QByteArray(">a<text:tab/><text:s text:c=\"1\"/>b</text:p>");
        QTest::newRow("after line break") << QStringList {QStringLiteral("a\u2028  b")}
                                          << QByteArray(">a<text:line-break/><text:s text:c=\"2\"/>b</text:p>");
        QTest::newRow("trailing") << QStringList {"b  "} << QByteArray(">b <text:s text:c=\"1\"/></text:p>");
        QTest::newRow("after a fragment") << QStringList {"a ", " b"}
                                          << QByteArray(">a <text:span text:style-name=\"T1\"><text:s text:c=\"1\"/>b</text:span></text:p>");
        QTest::newRow("after text of a fragment") << QStringList {"a", " b"}
                                                  << QByteArray(">a<text:span text:style-name=\"T1\"> b</text:span></text:p>");
    }

    void odtWriterSpaces()
    {
        QFETCH(QStringList, fragments);
        QFETCH(QByteArray, xml);
        QTextDocument document;
        QTextCursor cursor(&document);
        QTextCharFormat bold;
        bold.setFontWeight(QFont::Bold);
        for (int i = 0; i < fragments.size(); ++i)
            cursor.insertText(fragments.at(i), i % 2 ? bold : QTextCharFormat());
        const QByteArray flat = written(&document, QStringLiteral("fodt"));
        QVERIFY2(flat.contains(xml), flat.constData());
        QCOMPARE(readBytes(flat, QStringLiteral("fodt")).document->toPlainText(), document.toPlainText());
    }

    void odtReader()
    {
        const QByteArray styles =
            "<style:style style:name=\"Heading_20_2\" style:family=\"paragraph\"/>"
            "<style:style style:name=\"Heading\" style:family=\"paragraph\"/>"
            "<style:style style:name=\"B\" style:family=\"text\"><style:text-properties fo:font-weight=\"bold\"/></style:style>"
            "<style:style style:name=\"I\" style:family=\"text\"><style:text-properties fo:font-style=\"italic\"/></style:style>"
            "<style:style style:name=\"Up\" style:family=\"text\"><style:text-properties style:text-position=\"33% 58%\"/></style:style>"
            "<style:style style:name=\"Down\" style:family=\"text\"><style:text-properties style:text-position=\"-33% 58%\"/></style:style>"
            "<style:style style:name=\"Cm\" style:family=\"paragraph\"><style:paragraph-properties fo:margin-left=\"1.27cm\"/></style:style>"
            "<style:style style:name=\"Pt\" style:family=\"paragraph\"><style:paragraph-properties fo:margin-left=\"10pt\"/></style:style>"
            "<style:style style:name=\"Huge\" style:family=\"paragraph\"><style:paragraph-properties fo:margin-left=\"1e300in\"/></style:style>"
            "<style:style style:name=\"Child\" style:family=\"paragraph\" style:parent-style-name=\"Later\"/>"
            "<style:style style:name=\"Later\" style:family=\"paragraph\"><style:paragraph-properties fo:text-align=\"center\"/></style:style>";
        const QByteArray text =
            "<text:h text:outline-level=\"8\">eight</text:h>"
            "<text:h text:outline-level=\"0\">zero</text:h>"
            "<text:h>bare</text:h>"
            "<text:p text:style-name=\"Heading_20_2\">styled</text:p>"
            "<text:p text:style-name=\"Heading\">nodigit</text:p>"
            "<text:list><text:list-item><text:p>listed</text:p><text:list><text:list-item><text:h text:outline-level=\"2\">listed head</text:h>"
            "</text:list-item></text:list></text:list-item></text:list>"
            "<table:table><table:table-column/><table:table-row><table:table-cell><text:p>cell one</text:p></table:table-cell>"
            "<table:covered-table-cell/><table:table-cell><text:p>cell two</text:p></table:table-cell></table:table-row></table:table>"
            "<text:section><text:section><text:p>inner<text:s text:c=\"3\"/>x<text:s/>y<text:tab/>z<text:line-break/>w</text:p></text:section></text:section>"
            "<text:p><text:span text:style-name=\"B\">b<text:span text:style-name=\"I\">bi</text:span>bb</text:span>"
            "<text:span text:style-name=\"Up\">up</text:span><text:span text:class-names=\" Down \">dn</text:span><text:a>link</text:a></text:p>"
            "<text:p text:style-name=\"Cm\">cm</text:p><text:p text:style-name=\"Pt\">pt</text:p>"
            "<text:p text:style-name=\"Huge\">huge</text:p><text:p text:style-name=\"Child\">child</text:p>"
            "<text:p><text:s text:c=\"2147483647\"/></text:p>";
        const ReadResult result = readBytes(fodt(styles, text), QStringLiteral("fodt"));
        QVERIFY2(result.error.isEmpty(), qPrintable(result.error));
        const QTextDocument* document = result.document.get();
        const QStringList texts = blockTexts(document);
        QCOMPARE(texts.mid(0, 12),
                 QStringList({QStringLiteral("eight"), QStringLiteral("zero"), QStringLiteral("bare"),
                              QStringLiteral("styled"), QStringLiteral("nodigit"), QStringLiteral("listed"),
                              QStringLiteral("listed head"), QStringLiteral("cell one"), QStringLiteral("cell two"),
                              QStringLiteral("inner   x y\tz") + QChar(0x2028) + QStringLiteral("w"),
                              QStringLiteral("bbibbupdnlink"), QStringLiteral("cm")}));
        QCOMPARE(headingLevel(blockWith(document, QStringLiteral("listed head"))), 2);
        QCOMPARE(headingLevel(blockWith(document, QStringLiteral("eight"))), 6);
        QCOMPARE(headingLevel(blockWith(document, QStringLiteral("zero"))), 1);
        QCOMPARE(headingLevel(blockWith(document, QStringLiteral("bare"))), 1);
        QCOMPARE(headingLevel(blockWith(document, QStringLiteral("styled"))), 2);
        QCOMPARE(headingLevel(blockWith(document, QStringLiteral("nodigit"))), 1);
        QCOMPARE(headingLevel(blockWith(document, QStringLiteral("inner"))), 0);
        QVERIFY(formatAt(document, QStringLiteral("bi")).fontItalic());
        QCOMPARE(formatAt(document, QStringLiteral("bi")).fontWeight(), int(QFont::Bold));
        QVERIFY(!formatAt(document, QStringLiteral("bb")).fontItalic());
        QCOMPARE(formatAt(document, QStringLiteral("bb")).fontWeight(), int(QFont::Bold));
        QCOMPARE(formatAt(document, QStringLiteral("up")).verticalAlignment(), QTextCharFormat::AlignSuperScript);
        QCOMPARE(formatAt(document, QStringLiteral("dn")).verticalAlignment(), QTextCharFormat::AlignSubScript);
        QCOMPARE(blockWith(document, QStringLiteral("cm")).blockFormat().indent(), 1);
        QCOMPARE(blockWith(document, QStringLiteral("pt")).blockFormat().indent(), 0);
        QCOMPARE(blockWith(document, QStringLiteral("huge")).blockFormat().indent(), 1000);
        QVERIFY(blockWith(document, QStringLiteral("child")).blockFormat().alignment() & Qt::AlignHCenter);
        // An absurd space count is bounded instead of exhausting memory.
        QVERIFY(document->lastBlock().text().size() <= 65536);

        const ReadResult none = readBytes(fodt(QByteArray(), QByteArray()), QStringLiteral("fodt"));
        QCOMPARE(none.document->blockCount(), 1);
        QVERIFY(none.document->isEmpty());
    }

    // Styles of "styles.xml" are known when "content.xml" is read, and the
    // automatic styles there join them.
    void odtPackageReader()
    {
        const QByteArray ns = " xmlns:office=\"urn:oasis:names:tc:opendocument:xmlns:office:1.0\""
                              " xmlns:style=\"urn:oasis:names:tc:opendocument:xmlns:style:1.0\""
                              " xmlns:text=\"urn:oasis:names:tc:opendocument:xmlns:text:1.0\""
                              " xmlns:fo=\"urn:oasis:names:tc:opendocument:xmlns:xsl-fo-compatible:1.0\"";
        const QByteArray styles =
            "<office:document-styles" + ns + "><office:styles>"
            "<style:style style:name=\"Quote\" style:family=\"paragraph\"><style:paragraph-properties fo:text-align=\"end\"/>"
            "<style:text-properties fo:font-style=\"italic\"/></style:style></office:styles></office:document-styles>";
        const QByteArray content =
            "<office:document-content" + ns + "><office:automatic-styles>"
            "<style:style style:name=\"P1\" style:family=\"paragraph\" style:parent-style-name=\"Quote\">"
            "<style:paragraph-properties fo:margin-left=\"0.5in\" style:writing-mode=\"rl-tb\"/></style:style>"
            "</office:automatic-styles><office:body><office:text>"
            "<text:p text:style-name=\"P1\">quoted</text:p><text:p text:style-name=\"Unknown\">plain</text:p>"
            "</office:text></office:body></office:document-content>";
        const QByteArray package = makeZip({{QStringLiteral("mimetype"), "application/vnd.oasis.opendocument.text"},
                                            {QStringLiteral("styles.xml"), styles},
                                            {QStringLiteral("content.xml"), content}});
        const ReadResult result = readBytes(package, QStringLiteral("odt"));
        QCOMPARE(result.type, 3);
        QVERIFY2(result.error.isEmpty(), qPrintable(result.error));
        QCOMPARE(blockTexts(result.document.get()), QStringList({QStringLiteral("quoted"), QStringLiteral("plain")}));
        const QTextBlock quoted = result.document->begin();
        QCOMPARE(quoted.blockFormat().alignment(), Qt::AlignRight | Qt::AlignAbsolute);
        QCOMPARE(quoted.blockFormat().indent(), 1);
        QCOMPARE(quoted.blockFormat().layoutDirection(), Qt::RightToLeft);
        QVERIFY(formatAt(result.document.get(), QStringLiteral("quoted")).fontItalic());
        QVERIFY(!formatAt(result.document.get(), QStringLiteral("plain")).fontItalic());
    }

    // ---- RTF reading -------------------------------------------------------

    void rtfReader_data()
    {
        QTest::addColumn<QByteArray>("rtf");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("error");
        QTextCodec* gbk = QTextCodec::codecForName("GBK");
        QByteArray gbkHex;
        for (const char byte : gbk->fromUnicode(QString::fromUtf8("中文")))
            gbkHex += "\\'" + QByteArray::number(uchar(byte), 16);
        const QString eof = QStringLiteral("Unexpectedly reached end of file.");
        const QString unsupported = QStringLiteral("Not a supported RTF file.");
        QTest::newRow("two paragraphs") << QByteArray("{\\rtf1 Hello\\par World}") << "Hello\nWorld" << "";
        QTest::newRow("version 2") << QByteArray("{\\rtf2 Hello}") << "" << unsupported;
        QTest::newRow("not rtf") << QByteArray("Hello") << "" << unsupported;
        QTest::newRow("unicode") << QByteArray("{\\rtf1 a\\u8364?b}") << QString::fromUtf8("a€b") << "";
        QTest::newRow("uc0") << QByteArray("{\\rtf1 \\uc0\\u8364?}") << QString::fromUtf8("€?") << "";
        QTest::newRow("negative unicode") << QByteArray("{\\rtf1 \\u-3913?}") << QString(QChar(0xF0B7)) << "";
        QTest::newRow("cp1251") << QByteArray("{\\rtf1\\ansi\\ansicpg1251 \\'c0}") << QString::fromUtf8("А") << "";
        QTest::newRow("cp936 hex") << QByteArray("{\\rtf1\\ansi\\ansicpg936 " + gbkHex + "}") << QString::fromUtf8("中文") << "";
        QTest::newRow("cp936 bytes") << QByteArray("{\\rtf1\\ansi\\ansicpg936 " + gbk->fromUnicode(QString::fromUtf8("第一章")) + "}")
                                     << QString::fromUtf8("第一章") << "";
        QTest::newRow("shift-jis") << QByteArray("{\\rtf1\\ansi\\ansicpg932 \\'82\\'a0}") << QString::fromUtf8("あ") << "";
        QTest::newRow("fcharset") << QByteArray("{\\rtf1{\\fonttbl{\\f1\\fcharset134 SimSun;}}\\f1 " + gbk->fromUnicode(QString::fromUtf8("字")) + "}")
                                  << QString::fromUtf8("字") << "";
        QTest::newRow("skipped groups") << QByteArray("{\\rtf1{\\*\\generator x;}{\\info{\\title t}}{\\pict 0a0b}{\\fonttbl{\\f0 Arial;}}ok}") << "ok" << "";
        QTest::newRow("bin") << QByteArray("{\\rtf1 a\\bin4 {}\\\\b}") << "ab" << "";
        QTest::newRow("symbols") << QByteArray("{\\rtf1 \\{\\}\\\\\\~\\tab\\emdash\\line}")
                                 << QStringLiteral("{}\\") + QChar(0xA0) + QChar(9) + QChar(0x2014) + QChar(0x2028) << "";
        QTest::newRow("cut text run") << QByteArray("{\\rtf1 one\\par two") << "one" << eof;
        QTest::newRow("cut control word") << QByteArray("{\\rtf1 one\\pa") << "one" << eof;
        QTest::newRow("cut bin") << QByteArray("{\\rtf1 one\\bin99 ab") << "one" << eof;
        QTest::newRow("open groups") << QByteArray("{\\rtf1 one{\\b two}") << "onetwo" << "";
        QTest::newRow("extra close") << QByteArray("{\\rtf1 one}}}two") << "one" << "";
        QTest::newRow("huge font number") << QByteArray("{\\rtf1{\\f2000000000\\fcharset134 x}\\f-5 y\\f99999999999999999999 z}") << "yz" << "";
        QTest::newRow("nesting at the limit") << QByteArray("{\\rtf1 " + QByteArray(1023, '{') + "x" + QByteArray(1023, '}') + "y}") << "xy" << "";
        QTest::newRow("deep nesting") << QByteArray("{\\rtf1 a" + QByteArray(100000, '{') + "x" + QByteArray(100000, '}') + "y}") << "a"
                                      << QString::fromUtf8("文档嵌套过深：超过 1024 层，已停止读取。");
        QTest::newRow("unicode at end") << QByteArray("{\\rtf1 \\uc5\\u8364 ") << QString::fromUtf8("€") << "";
        // Destinations whose text is ignored give nothing, also no symbols,
        // hexadecimal or \\u characters.
        QTest::newRow("chinese font table") << QByteArray("{\\rtf1\\ansi{\\fonttbl{\\f0\\fnil\\fcharset134 \\'cb\\'ce\\'cc\\'e5;}}\\f0 \\'d5\\'fd\\'ce\\'c4\\par}")
                                            << QString::fromUtf8("正文") << "";
        QTest::newRow("ignored symbols")
            << QByteArray("{\\rtf1{\\fonttbl{\\f0 A\\u8364?\\emdash\\'41;}}{\\colortbl;\\red0 \\~\\tab;}{\\*\\x \\u8364?\\'41\\line}"
                          "{\\info{\\author \\u8364?}}{\\pict \\'41}ok}")
            << "ok" << "";
        QTest::newRow("list text") << QByteArray("{\\rtf1\\pard{\\listtext\\pard\\plain \\u8226\\'95\\tab}one\\par"
                                                 "{\\pntext 1.\\tab}two\\par}")
                                   << "one\ntwo" << "";
        QTest::newRow("table cells") << QByteArray("{\\rtf1\\trowd\\cellx100\\cellx200\\pard\\intbl A\\cell B\\cell\\row"
                                                   "\\trowd\\cellx100\\cellx200\\pard\\intbl C\\cell\\cell\\row\\pard After\\par}")
                                     << "A\nB\nC\n\nAfter" << "";
    }

    void rtfReader()
    {
        QFETCH(QByteArray, rtf);
        QFETCH(QString, text);
        QFETCH(QString, error);
        QBuffer buffer;
        buffer.setData(rtf);
        buffer.open(QIODevice::ReadOnly);
        RtfReader reader;
        QTextDocument document;
        reader.read(&buffer, &document);
        QCOMPARE(reader.errorString(), error);
        QCOMPARE(blockTexts(&document).join(QLatin1Char('\n')), text);
    }

    // A heading whose list number comes first keeps its level and its text.
    void rtfListNumberedHeading()
    {
        const ReadResult result = readBytes(
            "{\\rtf1{\\stylesheet{\\s1\\outlinelevel0\\b Heading 1;}}"
            "\\pard\\plain \\s1\\outlinelevel0\\b{\\listtext\\pard\\plain \\tab}\\ls1 \\ql\\ltrpar{\\loch Title}\\par"
            "\\pard\\plain \\s0{\\listtext\\pard\\plain  \\u8226\\'95\\tab}\\ls2 \\li720 {\\loch Item}\\par}",
            QStringLiteral("rtf"));
        QVERIFY2(result.error.isEmpty(), qPrintable(result.error));
        QCOMPARE(blockTexts(result.document.get()), QStringList({QStringLiteral("Title"), QStringLiteral("Item")}));
        QCOMPARE(headingLevel(result.document->begin()), 1);
        QCOMPARE(result.document->begin().next().blockFormat().indent(), 1);
    }

    void rtfReaderFormats()
    {
        const QByteArray rtf =
            "{\\rtf1\\ansi\\ansicpg1251"
            "{\\stylesheet{\\s0 Normal;}{\\s2\\b Heading 2;}}\n"
            "{\\pard\\s2 \\b title\\par}"
            "{\\pard\\plain\\li1440 \\b bold\\b0 thin\\ul under\\ulnone none\\par}"
            "{\\pard\\li1000\\outlinelevel0 first\\par}"
            "{\\pard\\outlinelevel9\\qc\\rtlpar six\\par}"
            "{\\pard\\qr\\ltrpar {\\super up}{\\sub dn}{\\strike struck}{\\i slanted}\\par}"
            "}";
        const ReadResult result = readBytes(rtf, QStringLiteral("rtf"));
        QVERIFY2(result.error.isEmpty(), qPrintable(result.error));
        QCOMPARE(result.encoding, QByteArray("CP1251"));
        const QTextDocument* document = result.document.get();
        QCOMPARE(headingLevel(blockWith(document, QStringLiteral("title"))), 2);
        QVERIFY(formatAt(document, QStringLiteral("title")).fontWeight() != QFont::Bold);
        const QTextBlock bold = blockWith(document, QStringLiteral("bold"));
        QCOMPARE(bold.blockFormat().indent(), 2);
        QCOMPARE(headingLevel(bold), 0);
        QCOMPARE(formatAt(document, QStringLiteral("bold")).fontWeight(), int(QFont::Bold));
        QCOMPARE(formatAt(document, QStringLiteral("thin")).fontWeight(), int(QFont::Normal));
        QVERIFY(formatAt(document, QStringLiteral("under")).fontUnderline());
        QVERIFY(!formatAt(document, QStringLiteral("none")).fontUnderline());
        QCOMPARE(blockWith(document, QStringLiteral("first")).blockFormat().indent(), 1);
        QCOMPARE(headingLevel(blockWith(document, QStringLiteral("first"))), 1);
        const QTextBlock six = blockWith(document, QStringLiteral("six"));
        QCOMPARE(headingLevel(six), 6);
        QCOMPARE(six.blockFormat().alignment(), Qt::AlignHCenter);
        QCOMPARE(six.blockFormat().layoutDirection(), Qt::RightToLeft);
        QCOMPARE(formatAt(document, QStringLiteral("up")).verticalAlignment(), QTextCharFormat::AlignSuperScript);
        QCOMPARE(formatAt(document, QStringLiteral("dn")).verticalAlignment(), QTextCharFormat::AlignSubScript);
        QVERIFY(formatAt(document, QStringLiteral("struck")).fontStrikeOut());
        QVERIFY(formatAt(document, QStringLiteral("slanted")).fontItalic());
        QVERIFY(!formatAt(document, QStringLiteral("up")).fontItalic());
    }

    // ---- RTF writing -------------------------------------------------------

    void rtfWriter()
    {
        RtfWriter writer("CP1252");
        QCOMPARE(writer.encoding(), QByteArray("CP1252"));
        QCOMPARE(writer.fromUnicode(QString::fromUtf8("é中\\{}\t") + QChar(0x2028)),
                 QByteArray("\\'E9\\u20013?\\'5C\\'7B\\'7D\\tab \\line "));

        QTextDocument empty;
        QByteArray data;
        QBuffer buffer(&data);
        buffer.open(QIODevice::WriteOnly);
        QVERIFY(writer.write(&buffer, &empty));
        QVERIFY(data.startsWith("{\\rtf1\\ansi\\ansicpg1252\n{\\stylesheet\n{\\s0 Normal;}\n"));
        QVERIFY(data.endsWith("}\n{\\pard\\plain\\s0\\par}\n}"));

        QTextDocument document;
        QTextCursor cursor(&document);
        QTextBlockFormat heading;
        FormatHeading::setLevel(heading, 2);
        heading.setAlignment(Qt::AlignHCenter);
        cursor.setBlockFormat(heading);
        cursor.insertText(QStringLiteral("Title"));
        QTextBlockFormat rtl;
        rtl.setLayoutDirection(Qt::RightToLeft);
        rtl.setIndent(2);
        cursor.insertBlock(rtl);
        cursor.insertText(QStringLiteral("x "));
        QTextCharFormat bold;
        bold.setFontWeight(QFont::Bold);
        cursor.insertText(QStringLiteral("y"), bold);
        data.clear();
        buffer.seek(0);
        QVERIFY(writer.write(&buffer, &document));
        QVERIFY(data.contains("{\\pard\\plain\\s2\\outlinelevel1\\fs32\\b\\rtlch\\afs32\\ab\\ltrch\\qc Title\\par}\n"));
        QVERIFY(data.contains("{\\pard\\plain\\s0\\rtlpar\\qr\\li1440 x {\\b\\rtlch\\ab\\ltrch y}\\par}\n"));

        // Encodings named otherwise than by code page still give a valid
        // header that matches the bytes written.
        RtfWriter utf8("CP65001");
        QCOMPARE(utf8.fromUnicode(QString::fromUtf8("a中")), QByteArray("a\\'E4\\'B8\\'AD"));

        RtfWriter gbk("GBK");
        QCOMPARE(gbk.encoding(), QByteArray("CP936"));
        RtfWriter unicode("UTF-16");
        QCOMPARE(unicode.encoding(), QByteArray("CP1252"));
        QCOMPARE(RtfWriter("CP932").encoding(), QByteArray("Shift-JIS"));
        QByteArray mac;
        QBuffer macBuffer(&mac);
        macBuffer.open(QIODevice::WriteOnly);
        QVERIFY(RtfWriter("Apple Roman").write(&macBuffer, &empty));
        QVERIFY(mac.startsWith("{\\rtf1\\mac\\ansicpg10000\n"));
    }

    void rtfWriterCodePages_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QByteArray>("encoding");
        QTest::newRow("english") << "en_US" << QByteArray("CP1252");
        QTest::newRow("japanese") << "ja_JP" << QByteArray("Shift-JIS");
        QTest::newRow("taiwan") << "zh_TW" << QByteArray("CP950");
        QTest::newRow("china") << "zh_CN" << QByteArray("CP936");
        QTest::newRow("russian") << "ru_RU" << QByteArray("CP1251");
        QTest::newRow("hong kong") << "zh_HK" << QByteArray("CP950");
    }

    void rtfWriterCodePages()
    {
        QFETCH(QString, locale);
        QFETCH(QByteArray, encoding);
        const QLocale saved;
        QLocale::setDefault(QLocale(locale));
        RtfWriter writer;
        QLocale::setDefault(saved);
        QCOMPARE(writer.encoding(), encoding);
    }

    void rtfLocaleNames()
    {
        QCOMPARE(RtfWriter::codePageForLocaleName("ru_RU.ISO-8859-5"), QByteArray("CP1251"));
        QCOMPARE(RtfWriter::codePageForLocaleName("th_TH.ISO-8859-11"), QByteArray("CP874"));
        QCOMPARE(RtfWriter::codePageForLocaleName("de_DE.UTF-8"), QByteArray("CP65001"));
        QCOMPARE(RtfWriter::codePageForLocaleName("C"), QByteArray());
    }

    void rtfChineseRoundTrip()
    {
        QTextDocument source;
        QTextCursor(&source).insertText(QString::fromUtf8("第一章 开始 ü"));
        DocumentWriter writer;
        writer.setDocument(&source);
        writer.setType(QStringLiteral("rtf"));
        writer.setEncoding("CP936");
        writer.setFileName(path(QStringLiteral("chinese.rtf")));
        QVERIFY(writer.write());
        const QByteArray bytes = fileBytes(writer.fileName());
        QVERIFY(bytes.startsWith("{\\rtf1\\ansi\\ansicpg936\n"));
        const ReadResult result = readBytes(bytes);
        QCOMPARE(result.encoding, QByteArray("CP936"));
        QCOMPARE(result.document->toPlainText(), source.toPlainText());

        // With no encoding given, the code page chosen is reported back.
        writer.setEncoding(QByteArray());
        QVERIFY(writer.write());
        QVERIFY(writer.encoding().startsWith("CP") || writer.encoding() == "Shift-JIS");
        QCOMPARE(readBytes(fileBytes(writer.fileName())).document->toPlainText(), source.toPlainText());
    }

    // ---- damaged input -----------------------------------------------------

    void damagedPackages_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("type");
        QTest::addColumn<QString>("error");
        const QString archive = QStringLiteral("Unable to open archive.");
        QTextDocument document;
        fillSample(&document);
        const QByteArray docxBytes = written(&document, QStringLiteral("docx"));
        const QByteArray odtBytes = written(&document, QStringLiteral("odt"));
        const QByteArray odf = " xmlns:office=\"urn:oasis:names:tc:opendocument:xmlns:office:1.0\""
                               " xmlns:style=\"urn:oasis:names:tc:opendocument:xmlns:style:1.0\""
                               " xmlns:text=\"urn:oasis:names:tc:opendocument:xmlns:text:1.0\"";
        QTest::newRow("docx truncated") << docxBytes.left(docxBytes.size() / 2) << "docx" << archive;
        QTest::newRow("odt truncated") << odtBytes.left(odtBytes.size() - 30) << "odt" << archive;
        QTest::newRow("zip signature only") << QByteArray("PK\x03\x04", 4) << "docx" << archive;
        // Each document below is well-formed up to its one fault, so the
        // error is that fault and not an undeclared prefix.
        QTest::newRow("docx bad xml") << docx("<w:p><w:r><w:t>unclosed</w:r></w:p>") << "docx"
                                      << "Opening and ending tag mismatch.";
        QTest::newRow("odt bad xml")
            << makeZip({{QStringLiteral("mimetype"), "application/vnd.oasis.opendocument.text"},
                        {QStringLiteral("styles.xml"), "<office:document-styles" + odf + "><office:styles>"},
                        {QStringLiteral("content.xml"), "<office:document-content" + odf + "/>"}})
            << "odt" << "Premature end of document.";
        QTest::newRow("fodt bad xml")
            << QByteArray("<?xml version=\"1.0\"?><office:document" + odf
                          + "><office:body><office:text><text:p>a</text:x>")
            << "fodt" << "Opening and ending tag mismatch.";
    }

    void damagedPackages()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, type);
        QFETCH(QString, error);
        const ReadResult result = readBytes(bytes, type);
        QCOMPARE(result.error, error);
    }

    // A member that unpacks to more than its directory entry says is not
    // unpacked past that size: such a package is reported as damaged, and
    // only what lay within the declared size was read.
    void zipSizeLie()
    {
        const QByteArray body = "<w:p><w:r><w:t>x</w:t></w:r></w:p>" + QByteArray(4 * 1024 * 1024, ' ')
            + "<w:p><w:r><w:t>beyond</w:t></w:r></w:p>";
        QByteArray bytes = docx(body);
        // The document's entry in the central directory (its name follows the 46-byte header).
        const int central = bytes.indexOf("word/document.xml", bytes.indexOf("PK\x01\x02")) - 46;
        QVERIFY(central > 0);
        qToLittleEndian<quint32>(1000, bytes.data() + central + 24);
        const ReadResult lie = readBytes(bytes, QStringLiteral("docx"));
        QCOMPARE(lie.error, QStringLiteral("Unable to open archive."));
        QCOMPARE(lie.document->toPlainText(), QStringLiteral("x"));

        // The untouched package reads.
        const ReadResult honest = readBytes(docx(body), QStringLiteral("docx"));
        QVERIFY2(honest.error.isEmpty(), qPrintable(honest.error));
        QCOMPARE(honest.document->toPlainText(), QStringLiteral("x\nbeyond"));
    }

    // A document type that declares entities or attribute defaults is
    // refused before anything is expanded, nested or flat (many references
    // to one large entity), in every XML reader and in any encoding.
    void entityExpansion_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("type");
        QTest::addColumn<QString>("declaration");
        const QByteArray nested =
            "<!DOCTYPE d [<!ENTITY a \"aaaaaaaaaa\"><!ENTITY b \"&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;\">"
            "<!ENTITY c \"&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;\"><!ENTITY e \"&c;&c;&c;&c;&c;&c;&c;&c;&c;&c;\">"
            "<!ENTITY f \"&e;&e;&e;&e;&e;&e;&e;&e;&e;&e;\"><!ENTITY g \"&f;&f;&f;&f;&f;&f;&f;&f;&f;&f;\">]>";
        const QByteArray flat = "<!DOCTYPE d [<!ENTITY e \"" + QByteArray(4000, 'e') + "\">]>";
        const QByteArray flatText = QByteArray("&e;").repeated(20000);
        const QByteArray attlist = "<!DOCTYPE d [<!ATTLIST text:p text:style-name CDATA \"" + QByteArray(60000, 's') + "\">]>";
        const QByteArray parameter = "<!DOCTYPE d [<!ENTITY % p \"<!ENTITY x '" + QByteArray(4000, 'x') + "'>\">" + QByteArray("%p;").repeated(20000) + "]>";
        auto odt = [](const QByteArray& doctype, const QByteArray& text) {
            return QByteArray("<?xml version=\"1.0\"?>" + doctype
                              + "<office:document xmlns:office=\"urn:oasis:names:tc:opendocument:xmlns:office:1.0\" "
                                "xmlns:text=\"urn:oasis:names:tc:opendocument:xmlns:text:1.0\"><office:body><office:text>"
                                "<text:p>" + text + "</text:p>" + QByteArray("<text:p/>").repeated(2000)
                              + "</office:text></office:body></office:document>");
        };
        auto word = [](const QByteArray& doctype, const QByteArray& text) {
            return "<?xml version=\"1.0\"?>" + doctype
                + "<w:document xmlns:w=\"http://schemas.openxmlformats.org/wordprocessingml/2006/main\">"
                  "<w:body><w:p><w:r><w:t>" + text + "</w:t></w:r></w:p></w:body></w:document>";
        };
        const QString entity = QStringLiteral("<!ENTITY");
        QTest::newRow("fodt nested") << odt(nested, "&g;&g;&g;&g;&g;&g;&g;&g;") << "odt" << entity;
        QTest::newRow("fodt flat") << odt(flat, flatText) << "odt" << entity;
        QTest::newRow("fodt attribute list") << odt(attlist, "x") << "odt" << QStringLiteral("<!ATTLIST");
        QTest::newRow("fodt parameter entities") << odt(parameter, "x") << "odt" << entity;
        const QTextCodec* utf16 = QTextCodec::codecForName("UTF-16LE");
        QTest::newRow("fodt flat in UTF-16") << QByteArray("\xFF\xFE" + utf16->fromUnicode(QString::fromLatin1(odt(flat, flatText)))) << "odt" << entity;
        // Without mark or declaration, the first four bytes tell the encoding.
        for (const char* codec : {"UTF-16LE", "UTF-16BE", "UTF-32LE", "UTF-32BE"})
            QTest::addRow("fodt flat in %s without mark", codec) << unmarked(codec, odt(flat, flatText)) << "odt" << entity;
        QTest::newRow("docx flat in UTF-16BE without mark")
            << makeZip({{QStringLiteral("word/document.xml"), unmarked("UTF-16BE", word(flat, flatText))}}) << "docx" << entity;
        QTest::newRow("odt flat") << makeZip({{QStringLiteral("mimetype"), "application/vnd.oasis.opendocument.text"},
                                              {QStringLiteral("content.xml"), odt(flat, flatText)}})
                                  << "odt" << entity;
        QTest::newRow("docx flat") << makeZip({{QStringLiteral("word/document.xml"), word(flat, flatText)}}) << "docx" << entity;
        QTest::newRow("docx flat styles") << makeZip({{QStringLiteral("word/styles.xml"), word(flat, flatText)},
                                                      {QStringLiteral("word/document.xml"), word(QByteArray(), "x")}})
                                          << "docx" << entity;
    }

    void entityExpansion()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, type);
        QFETCH(QString, declaration);
        const ReadResult result = readXmlAs(bytes, type);
        QCOMPARE(result.error, QString::fromUtf8("文档类型声明了实体或属性默认值（%1），已拒绝读取。").arg(declaration));
        QCOMPARE(result.document->characterCount(), 1);
    }

    // A start tag with 100 000 attributes or namespace declarations is refused by their
    // count before the parser (whose repeated-name check is quadratic) reads it; 256 still read.
    void manyAttributesAreRefused_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("type");
        QTest::addColumn<bool>("refused");
        const QByteArray flood = attributes("w:a", 100000);
        const QByteArray flat = fodt(QByteArray(), "<text:p" + attributes("text:a", 100000) + ">x</text:p>");
        QTest::newRow("docx attributes") << docx("<w:p" + flood + "><w:r><w:t>x</w:t></w:r></w:p>") << "docx" << true;
        QTest::newRow("docx namespaces") << docx("<w:p" + attributes("xmlns:n", 100000) + "/>") << "docx" << true;
        QTest::newRow("docx styles") << docx("<w:p/>", "<w:style" + flood + "/>") << "docx" << true;
        QTest::newRow("odt attributes") << makeZip({{QStringLiteral("mimetype"), "application/vnd.oasis.opendocument.text"},
                                                    {QStringLiteral("content.xml"), flat}}) << "odt" << true;
        QTest::newRow("fodt attributes") << flat << "fodt" << true;
        QTest::newRow("fodt in UTF-16BE") << unmarked("UTF-16BE", flat) << "fodt" << true;
        QTest::newRow("fodt 256 attributes") << fodt(QByteArray(), "<text:p" + attributes("text:a", 256) + ">x</text:p>") << "fodt" << false;
    }

    void manyAttributesAreRefused()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, type);
        QFETCH(bool, refused);
        const ReadResult result = readXmlAs(bytes, type);
        QCOMPARE(result.error, refused ? QString::fromUtf8(TooManyAttributes) : QString());
        QCOMPARE(result.document->toPlainText(), refused ? QString() : QStringLiteral("x"));
    }

    // One token larger than the character limit (a text run, a comment, an
    // attribute value) stops the read while it is read: the reader takes
    // little more than the limit from the device, never the whole token.
    void hugeTokenStopsWhileRead_data()
    {
        QTest::addColumn<QByteArray>("token");
        const QByteArray run(16 * 1024 * 1024, 'x');
        QTest::newRow("text run") << QByteArray("<text:p>" + run + "</text:p>");
        QTest::newRow("comment") << QByteArray("<!--" + run + "-->");
        QTest::newRow("attribute") << QByteArray("<text:p text:style-name=\"" + run + "\">a</text:p>");
    }

    void hugeTokenStopsWhileRead()
    {
        QFETCH(QByteArray, token);
        QBuffer device;
        device.setData(fodt(QByteArray(), "@").replace("@", token));
        QVERIFY(device.open(QIODevice::ReadOnly));
        OdtReader reader;
        ReadLimits limits;
        limits.maxCharacters = 1000000;
        reader.setLimits(limits);
        QTextDocument target;
        reader.read(&device, &target);
        QCOMPARE(reader.errorString(), QString::fromUtf8("文档过大：超过 1000000 个字符，已停止读取。"));
        QVERIFY2(device.pos() < 2 * limits.maxCharacters, qPrintable(QString::number(device.pos())));
    }

    // Random damage to valid files ends in a result, never a crash or a
    // hang, and the result is checked against what the damage allows. The
    // generator is seeded, so every run sees the same inputs; a failure
    // names the round.
    void corruptedBytes()
    {
        QTextDocument document;
        fillSample(&document);
        QHash<QString, QByteArray> samples;
        for (const QString& type : readerTypes())
            samples.insert(type, written(&document, type));
        const QString source = document.toPlainText();
        const QString archive = QStringLiteral("Unable to open archive.");
        QRandomGenerator random(4711);

        // Packages with changed bytes: members are checksummed, so either
        // an error is reported or the text is the source's (a member whose
        // name was hit is missing, which leaves the document empty).
        for (const QString& type : {QStringLiteral("docx"), QStringLiteral("odt")}) {
            const QByteArray original = samples.value(type);
            for (int round = 0; round < 150; ++round) {
                QByteArray bytes = original;
                const int changes = 1 + random.bounded(4);
                for (int i = 0; i < changes; ++i)
                    bytes[random.bounded(bytes.size())] = char(random.bounded(256));
                const ReadResult result = readBytes(bytes, type);
                const QString text = result.document->toPlainText();
                // A hit signature makes it no package at all: plain text.
                if (result.type == 1)
                    continue;
                QVERIFY2(!result.error.isEmpty() || text == source || text.isEmpty(),
                         qPrintable(QStringLiteral("%1 round %2: %3").arg(type).arg(round).arg(text.left(80))));
            }
            // Cut packages lose their central directory: nothing is read.
            for (int round = 0; round < 20; ++round) {
                const ReadResult result = readBytes(original.left(random.bounded(original.size() - 22)), type);
                QCOMPARE(result.error, archive);
                QCOMPARE(result.document->toPlainText(), QString());
            }
        }

        // Damaged XML inside sound packages: what is read comes from the
        // member, so it is never longer than the member's text.
        const QList<QPair<QString, QStringList>> packages = {
            {QStringLiteral("docx"), {QStringLiteral("word/styles.xml"), QStringLiteral("word/document.xml")}},
            {QStringLiteral("odt"), {QStringLiteral("mimetype"), QStringLiteral("styles.xml"), QStringLiteral("content.xml")}}};
        for (const auto& package : packages) {
            const QByteArray original = samples.value(package.first);
            for (int round = 0; round < 60; ++round) {
                QList<QPair<QString, QByteArray>> members;
                int size = 0;
                for (const QString& name : package.second) {
                    QByteArray member = zipMember(original, name);
                    if (name != QLatin1String("mimetype")) {
                        for (int i = 0; i < 1 + random.bounded(4); ++i)
                            member[random.bounded(member.size())] = "<>/\"= \"&;x:"[random.bounded(12)];
                    }
                    size += member.size();
                    members.append({name, member});
                }
                const ReadResult result = readBytes(makeZip(members), package.first);
                QVERIFY2(result.error != archive && result.document->characterCount() <= size,
                         qPrintable(QStringLiteral("%1 round %2").arg(package.first).arg(round)));
            }
        }

        // Flat files cut short: what was read before the cut stays, and it
        // is the start of the source text.
        for (const QString& type : {QStringLiteral("fodt"), QStringLiteral("rtf")}) {
            const QByteArray original = samples.value(type);
            for (int round = 0; round < 60; ++round) {
                const int cut = random.bounded(original.size());
                const ReadResult result = readBytes(original.left(cut), type);
                const QString text = result.document->toPlainText();
                // Too short to be told from plain text.
                if (result.type == 1)
                    continue;
                QVERIFY2(source.startsWith(text),
                         qPrintable(QStringLiteral("%1 cut at %2: %3").arg(type).arg(cut).arg(text.right(40))));
            }
            // Changed bytes: every character read stands for at least one
            // byte of the file.
            for (int round = 0; round < 60; ++round) {
                QByteArray bytes = original;
                for (int i = 0; i < 1 + random.bounded(8); ++i)
                    bytes[random.bounded(bytes.size())] = char(random.bounded(256));
                const ReadResult result = readBytes(bytes, type);
                QVERIFY2(result.document->characterCount() <= bytes.size() + 1,
                         qPrintable(QStringLiteral("%1 round %2").arg(type).arg(round)));
            }
        }
    }

    // ---- limits ------------------------------------------------------------

    void readLimits_data()
    {
        QTest::addColumn<QString>("type");
        QTest::addColumn<QString>("limit");
        QTest::addColumn<QString>("error");
        for (const QString& type : readerTypes()) {
            const QByteArray name = type.toLatin1();
            QTest::newRow(name + " characters") << type << "characters" << QString::fromUtf8("文档过大：超过 1000 个字符，已停止读取。");
            QTest::newRow(name + " paragraphs") << type << "paragraphs" << QString::fromUtf8("文档段落过多：超过 50 段，已停止读取。");
            QTest::newRow(name + " elements") << type << "elements" << QString::fromUtf8("文档元素过多：超过 100 个，已停止读取。");
            QTest::newRow(name + " depth") << type << "depth" << QString::fromUtf8("文档嵌套过深：超过 2 层，已停止读取。");
            QTest::newRow(name + " time") << type << "time" << QString::fromUtf8("读取文档超时：超过 0 秒，已停止读取。");
            // Packages only: a flat file's size is its own.
            if (type == QLatin1String("docx") || type == QLatin1String("odt"))
                QTest::newRow(name + " markup") << type << "markup" << QString::fromUtf8("文档解压后的内容远多于其中的文字，已停止读取。");
        }
    }

    // Each limit stops a read with its message; what was read before stays
    // within the limit.
    void readLimits()
    {
        QFETCH(QString, type);
        QFETCH(QString, limit);
        QFETCH(QString, error);
        QTextDocument book;
        fillBook(&book, 300);
        ReadLimits limits;
        if (limit == QLatin1String("characters"))
            limits.maxCharacters = 1000;
        else if (limit == QLatin1String("paragraphs"))
            limits.maxParagraphs = 50;
        else if (limit == QLatin1String("elements"))
            limits.maxElements = 100;
        else if (limit == QLatin1String("depth"))
            limits.maxDepth = 2;
        else if (limit == QLatin1String("markup"))
            limits.markupAllowance = limits.markupPerCharacter = 1;
        else
            limits.maxMilliseconds = 0;
        const ReadResult result = readWith(written(&book, type), type, limits);
        QCOMPARE(result.error, error);
        // The first paragraph goes into the block the document had.
        if (limit == QLatin1String("characters"))
            QVERIFY(result.document->characterCount() - result.document->blockCount() <= 1000);
        else if (limit == QLatin1String("paragraphs"))
            QCOMPARE(result.document->blockCount(), 51);
        QVERIFY(result.document->blockCount() < book.blockCount());

        // The same file reads whole within the default limits.
        const ReadResult whole = readBytes(written(&book, type), type);
        QVERIFY2(whole.error.isEmpty(), qPrintable(whole.error));
        QCOMPARE(whole.document->toPlainText(), book.toPlainText());
    }

    // The total of "text:s" spaces is bounded, not only each element: 40 000
    // elements of 65 536 spaces each stop at the character limit.
    void odtSpacesAreBoundedInTotal()
    {
        const QByteArray text = "<text:p>" + QByteArray("<text:s text:c=\"65536\"/>").repeated(40000) + "</text:p>";
        const QByteArray package = makeZip({{QStringLiteral("mimetype"), "application/vnd.oasis.opendocument.text"},
                                            {QStringLiteral("content.xml"), fodt(QByteArray(), text)}});
        QVERIFY(package.size() < 20000);
        ReadLimits limits;
        limits.maxCharacters = 1000000;
        const ReadResult result = readWith(package, QStringLiteral("odt"), limits);
        QCOMPARE(result.error, QString::fromUtf8("文档过大：超过 1000000 个字符，已停止读取。"));
        QVERIFY(result.document->characterCount() <= 1000001);
    }

    // Floods in a package stop, and the member is never held whole: bare
    // empty paragraphs at the paragraph limit, or past the 32 768 allowed
    // beyond four for each paragraph with text (also with the properties Word
    // gives a blank line), runs of 4 KiB for each character, 80 MiB of change
    // records ahead of the text; just as many honest empty paragraphs read.
    void packageFlood_data()
    {
        QTest::addColumn<QByteArray>("package");
        QTest::addColumn<int>("maxParagraphs");
        QTest::addColumn<QString>("error");
        QTest::addColumn<int>("blocks");
        const QByteArray bare = "<w:p/>";
        const QString empty = QString::fromUtf8("文档中的空段落远多于有文字的段落，已停止读取。");
        const QString markup = QString::fromUtf8("文档解压后的内容远多于其中的文字，已停止读取。");
        const QByteArray text = "<w:p><w:r><w:t>x</w:t></w:r></w:p>";
        QTest::newRow("bare at the paragraph limit") << docx(bare.repeated(2000000)) << 20000 << QString::fromUtf8("文档段落过多：超过 20000 段，已停止读取。") << 20001;
        QTest::newRow("4 MiB of bare ones") << docx(bare.repeated(699050)) << 1000000 << empty << 32769;
        const QByteArray blank = "<w:p><w:pPr><w:pStyle w:val=\"Normal\"/><w:spacing w:before=\"0\" w:after=\"0\" w:line=\"240\" "
                                 "w:lineRule=\"auto\"/><w:rPr><w:rFonts w:hint=\"eastAsia\"/></w:rPr></w:pPr></w:p>";
        QTest::newRow("with properties") << docx(blank.repeated(16 * 1024 * 1024 / blank.size())) << 1000000 << empty << 32769;
        QTest::newRow("32 768 bare, then text") << docx(bare.repeated(32768) + text) << 1000000 << QString() << 32769;
        QTest::newRow("32 769 bare, then text") << docx(bare.repeated(32769) + text) << 1000000 << empty << 32769;
        QTest::newRow("a blank line after each of 100 000") << docx((text + bare).repeated(100000)) << 1000000 << QString() << 200000;
        QTest::newRow("four after each of 20 000") << docx((text + bare.repeated(4)).repeated(20000)) << 1000000 << QString() << 100000;
        const QByteArray row = "<w:tr>" + QByteArray("<w:tc><w:tcPr><w:tcW w:w=\"401\" w:type=\"dxa\"/></w:tcPr><w:p/></w:tc>").repeated(24) + "</w:tr>";
        QTest::newRow("an empty table of 500 by 24") << docx(text + "<w:tbl>" + row.repeated(500) + "</w:tbl>" + text) << 1000000 << QString() << 12002;
        // Each paragraph of 4 KiB gains 2 KiB of markup on what its character
        // and its end justify, so the 4 MiB allowance lasts 2 048 of them.
        const QByteArray heavy = "<w:p><w:r><w:rPr><w:rFonts w:ascii=\"" + QByteArray(4096 - 71, 'f') + "\"/></w:rPr><w:t>x</w:t></w:r></w:p>";
        QTest::newRow("runs of 4 KiB for each character") << docx(heavy.repeated(4096)) << 1000000 << markup << 2048;
        const QByteArray record = "<text:changed-region text:id=\"c\"><text:insertion><office:change-info><dc:creator>Ann</dc:creator>"
                                  "<dc:date>2024-01-01T10:00:00</dc:date></office:change-info></text:insertion></text:changed-region>";
        const QByteArray changes = "<text:tracked-changes>" + record.repeated(80 * 1024 * 1024 / record.size()) + "</text:tracked-changes><text:p>x</text:p>";
        QTest::newRow("80 MiB of change records") << makeZip({{QStringLiteral("mimetype"), "application/vnd.oasis.opendocument.text"},
                                                              {QStringLiteral("content.xml"), fodt(QByteArray(), changes)}}) << 1000000 << markup << 1;
    }

    void packageFlood()
    {
        QFETCH(QByteArray, package);
        QFETCH(int, maxParagraphs);
        QFETCH(QString, error);
        QFETCH(int, blocks);
        QVERIFY(package.size() < 400000);
        ReadLimits limits;
        limits.maxParagraphs = maxParagraphs;
        const ReadResult result = readWith(package, package.contains("mimetype") ? QStringLiteral("odt") : QStringLiteral("docx"), limits);
        QCOMPARE(result.error, error);
        QCOMPARE(result.document->blockCount(), blocks);
    }

    // Style chains resolve whatever the order of definition: every style
    // below is defined before its base, 20 000 deep, and a loop of two
    // styles based on each other ends.
    void styleChainsInAnyOrder_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("type");
        const int depth = 20000;
        QByteArray docxStyles;
        QByteArray odtStyles;
        for (int i = 0; i < depth; ++i) {
            const QByteArray id = QByteArray::number(i);
            const QByteArray base = QByteArray::number(i + 1);
            docxStyles += "<w:style w:type=\"paragraph\" w:styleId=\"S" + id + "\"><w:name w:val=\"S" + id
                + "\"/><w:basedOn w:val=\"S" + base + "\"/></w:style>";
            odtStyles += "<style:style style:name=\"S" + id + "\" style:family=\"paragraph\" style:parent-style-name=\"S"
                + base + "\"/>";
        }
        const QByteArray root = QByteArray::number(depth);
        docxStyles += "<w:style w:type=\"paragraph\" w:styleId=\"S" + root
            + "\"><w:name w:val=\"Root\"/><w:pPr><w:jc w:val=\"center\"/></w:pPr><w:rPr><w:i/></w:rPr></w:style>"
              "<w:style w:type=\"paragraph\" w:styleId=\"A\"><w:basedOn w:val=\"B\"/></w:style>"
              "<w:style w:type=\"paragraph\" w:styleId=\"B\"><w:basedOn w:val=\"A\"/></w:style>";
        odtStyles += "<style:style style:name=\"S" + root + "\" style:family=\"paragraph\">"
                     "<style:paragraph-properties fo:text-align=\"center\"/><style:text-properties fo:font-style=\"italic\"/>"
                     "</style:style><style:style style:name=\"A\" style:family=\"paragraph\" style:parent-style-name=\"B\"/>"
                     "<style:style style:name=\"B\" style:family=\"paragraph\" style:parent-style-name=\"A\"/>";
        QTest::newRow("docx") << docx("<w:p><w:pPr><w:pStyle w:val=\"S0\"/></w:pPr><w:r><w:t>deep</w:t></w:r></w:p>"
                                      "<w:p><w:pPr><w:pStyle w:val=\"A\"/></w:pPr><w:r><w:t>loop</w:t></w:r></w:p>",
                                      docxStyles)
                              << "docx";
        QTest::newRow("fodt") << fodt(odtStyles, "<text:p text:style-name=\"S0\">deep</text:p>"
                                                 "<text:p text:style-name=\"A\">loop</text:p>")
                              << "fodt";
    }

    void styleChainsInAnyOrder()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, type);
        const ReadResult result = readBytes(bytes, type);
        QVERIFY2(result.error.isEmpty(), qPrintable(result.error));
        QCOMPARE(blockTexts(result.document.get()), QStringList({QStringLiteral("deep"), QStringLiteral("loop")}));
        QVERIFY(result.document->begin().blockFormat().alignment() & Qt::AlignHCenter);
        QVERIFY(formatAt(result.document.get(), QStringLiteral("deep")).fontItalic());
    }

    // Styles redefined between paragraphs cost no new walk of a long chain:
    // a redefinition changes that style, not the styles already worked out
    // from it, while a style defined later takes the new definition.
    void styleChainRedefinedBetweenParagraphs()
    {
        QByteArray chain;
        for (int i = 0; i < 20000; ++i)
            chain += "<style:style style:name=\"S" + QByteArray::number(i) + "\" style:family=\"paragraph\" style:parent-style-name=\"S"
                + QByteArray::number(i + 1) + "\"/>";
        auto style = [](const char* name, const char* parent, const char* align) {
            return "<office:automatic-styles><style:style style:name=\"" + QByteArray(name) + "\" style:family=\"paragraph\" "
                   "style:parent-style-name=\"" + parent + "\"><style:paragraph-properties fo:text-align=\"" + align
                + "\"/></style:style></office:automatic-styles>";
        };
        auto paragraph = [](const char* name) {
            return "<office:body><office:text><text:p text:style-name=\"" + QByteArray(name) + "\">" + name + "</text:p></office:text></office:body>";
        };
        QByteArray body = style("S20000", "", "center") + paragraph("S0");
        for (int i = 0; i < 2000; ++i)
            body += style("S20000", "", "end") + paragraph("S0");
        body += style("Late", "S20000", "") + paragraph("Late");
        const ReadResult result = readBytes(fodt(chain, QByteArray()).replace("<office:body><office:text></office:text></office:body>", body),
                                            QStringLiteral("fodt"));
        QVERIFY2(result.error.isEmpty(), qPrintable(result.error));
        QCOMPARE(result.document->blockCount(), 2002);
        for (QTextBlock block = result.document->begin(); block.isValid(); block = block.next())
            QCOMPARE(visualEdge(block.blockFormat()), block.text() == QLatin1String("Late") ? QStringLiteral("right") : QStringLiteral("centre"));
    }

    // Reading keeps no undo history: a book read in is not kept a second
    // time as undo steps.
    void readingKeepsNoUndoHistory_data()
    {
        QTest::addColumn<QString>("type");
        for (const QString& type : readerTypes())
            QTest::newRow(type.toLatin1()) << type;
        QTest::newRow("txt") << "txt";
    }

    void readingKeepsNoUndoHistory()
    {
        QFETCH(QString, type);
        QTextDocument book;
        fillBook(&book, 50);
        const QByteArray bytes = type == QLatin1String("txt") ? book.toPlainText().toUtf8() : written(&book, type);
        QTextDocument document;
        QTextCursor(&document).insertText(QStringLiteral("before"));
        QVERIFY(document.isUndoAvailable());
        QBuffer buffer;
        buffer.setData(bytes);
        buffer.open(QIODevice::ReadOnly);
        std::unique_ptr<FormatReader> reader(FormatManager::createReader(&buffer, type));
        QVERIFY(reader->read(&buffer, &document));
        QVERIFY(document.toPlainText().endsWith(QStringLiteral("粗体")));
        QVERIFY(!document.isUndoAvailable());
        QCOMPARE(document.availableUndoSteps(), 0);
        QVERIFY(document.isUndoRedoEnabled());
    }

    // ---- what word processors write ----------------------------------------

    void eastAsianAndRightToLeftFormats_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("type");
        const QByteArray ns = "xmlns:w=\"http://schemas.openxmlformats.org/wordprocessingml/2006/main\"";
        QTest::newRow("odt") << fodt("<style:style style:name=\"B\" style:family=\"text\"><style:text-properties style:font-weight-asian=\"bold\"/></style:style>"
                                     "<style:style style:name=\"I\" style:family=\"text\"><style:text-properties style:font-style-complex=\"italic\"/></style:style>"
                                     "<style:style style:name=\"Up\" style:family=\"text\"><style:text-properties style:text-position=\"super 58%\"/></style:style>"
                                     "<style:style style:name=\"Dn\" style:family=\"text\"><style:text-properties style:text-position=\"sub 58%\"/></style:style>"
                                     "<style:style style:name=\"Bold\" style:family=\"paragraph\"><style:text-properties fo:font-weight=\"bold\" style:font-weight-asian=\"bold\"/></style:style>"
                                     "<style:style style:name=\"Thin\" style:family=\"paragraph\" style:parent-style-name=\"Bold\"><style:text-properties fo:font-weight=\"normal\" style:font-weight-asian=\"normal\"/></style:style>"
                                     "<style:style style:name=\"N\" style:family=\"text\"><style:text-properties style:text-position=\"0% 100%\"/></style:style>"
                                     "<style:style style:name=\"Start\" style:family=\"paragraph\"><style:paragraph-properties fo:text-align=\"start\" style:writing-mode=\"rl-tb\"/></style:style>"
                                     "<style:style style:name=\"End\" style:family=\"paragraph\"><style:paragraph-properties fo:text-align=\"end\" style:writing-mode=\"rl-tb\"/></style:style>",
                                     "<text:p><text:span text:style-name=\"B\">粗体</text:span><text:span text:style-name=\"I\">מוטה</text:span>"
                                     "<text:span text:style-name=\"Up\">上标</text:span><text:span text:style-name=\"Dn\">下标</text:span></text:p>"
                                     "<text:p text:style-name=\"Thin\">细<text:span text:style-name=\"Up\"><text:span text:style-name=\"N\">平</text:span></text:span></text:p>"
                                     "<text:p text:style-name=\"Start\">שלום</text:p><text:p text:style-name=\"End\">עולם</text:p>")
                             << "fodt";
        QTest::newRow("docx") << docx("<w:p><w:r><w:rPr><w:bCs/></w:rPr><w:t>粗体</w:t></w:r><w:r><w:rPr><w:iCs/></w:rPr><w:t>מוטה</w:t></w:r>"
                                      "<w:r><w:rPr><w:vertAlign w:val=\"superscript\"/></w:rPr><w:t>上标</w:t></w:r>"
                                      "<w:r><w:rPr><w:vertAlign w:val=\"subscript\"/></w:rPr><w:t>下标</w:t></w:r></w:p>"
                                      "<w:p><w:r><w:t>细</w:t></w:r><w:r><w:t>平</w:t></w:r></w:p>"
                                      "<w:p><w:pPr><w:bidi w:val=\"1\"/><w:jc w:val=\"end\"/></w:pPr><w:r><w:t>שלום</w:t></w:r></w:p>"
                                      "<w:p><w:pPr><w:bidi w:val=\"1\"/><w:jc w:val=\"start\"/></w:pPr><w:r><w:t>עולם</w:t></w:r></w:p>")
                              << "docx";
        QTest::newRow("rtf") << QByteArray("{\\rtf1\\ansi\\ansicpg1252"
                                           "{\\stylesheet{\\s0 Normal;}{\\s1\\rtlch\\ab\\ltrch\\b Heading 1;}}"
                                           "\\pard\\plain {\\rtlch\\ab \\ltrch\\dbch\\ab\\dbch \\u31895\\'3f\\u20307\\'3f}"
                                           "{\\rtlch\\ai \\ltrch\\loch \\u1502\\'3f\\u1493\\'3f\\u1496\\'3f\\u1492\\'3f}"
                                           "{\\loch\\super\\dbch \\u19978\\'3f\\u26631\\'3f}{\\loch\\sub\\dbch \\u19979\\'3f\\u26631\\'3f}\\par"
                                           "\\pard\\plain {\\loch\\ab \\u32454\\'3f}{\\hich\\ab\\ai \\u24179\\'3f}\\par"
                                           "\\pard\\plain \\ql\\rtlpar \\u1513?\\u1500?\\u1493?\\u1501?\\par"
                                           "\\pard\\plain \\qr\\rtlpar \\u1506?\\u1493?\\u1500?\\u1501?\\par}")
                             << "rtf";
    }

    // Bold and italic given for East Asian or right-to-left text only, super-
    // and subscript with a size, and the alignment of right-to-left
    // paragraphs, as word processors write them.
    void eastAsianAndRightToLeftFormats()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, type);
        const ReadResult result = readBytes(bytes, type);
        QVERIFY2(result.error.isEmpty(), qPrintable(result.error));
        const QTextDocument* document = result.document.get();
        QCOMPARE(blockTexts(document), QStringList({QString::fromUtf8("粗体מוטה上标下标"), QString::fromUtf8("细平"),
                                                   QString::fromUtf8("שלום"), QString::fromUtf8("עולם")}));
        QCOMPARE(formatAt(document, QString::fromUtf8("粗体")).fontWeight(), int(QFont::Bold));
        QVERIFY(formatAt(document, QString::fromUtf8("מוטה")).fontItalic());
        QVERIFY(formatAt(document, QString::fromUtf8("מוטה")).fontWeight() != QFont::Bold);
        QCOMPARE(formatAt(document, QString::fromUtf8("上标")).verticalAlignment(), QTextCharFormat::AlignSuperScript);
        QCOMPARE(formatAt(document, QString::fromUtf8("下标")).verticalAlignment(), QTextCharFormat::AlignSubScript);
        QVERIFY(formatAt(document, QString::fromUtf8("细")).fontWeight() != QFont::Bold);
        QVERIFY(!formatAt(document, QString::fromUtf8("平")).fontItalic());
        QVERIFY(formatAt(document, QString::fromUtf8("平")).fontWeight() != QFont::Bold);
        QCOMPARE(formatAt(document, QString::fromUtf8("平")).verticalAlignment(), QTextCharFormat::AlignNormal);
        const QTextBlock start = blockWith(document, QString::fromUtf8("שלום"));
        QCOMPARE(start.blockFormat().layoutDirection(), Qt::RightToLeft);
        // As LibreOffice lays them out: ODT "start" and "end", DOCX "end" and
        // "start" of a right-to-left paragraph, RTF "ql" and "qr".
        QCOMPARE(visualEdge(start.blockFormat()), QStringLiteral("left"));
        QCOMPARE(visualEdge(blockWith(document, QString::fromUtf8("עולם")).blockFormat()), QStringLiteral("right"));
    }

    // Right-to-left paragraphs keep the edge they line up on through every
    // writer and reader, whichever way their alignment is given.
    void rightToLeftAlignmentRoundTrips_data()
    {
        QTest::addColumn<QString>("type");
        for (const QString& type : readerTypes())
            QTest::newRow(type.toLatin1()) << type;
    }

    void rightToLeftAlignmentRoundTrips()
    {
        QFETCH(QString, type);
        QTextDocument source;
        QTextCursor cursor(&source);
        const QList<Qt::Alignment> alignments = {Qt::Alignment(), Qt::AlignLeft, Qt::AlignRight,
                                                 Qt::AlignLeft | Qt::AlignAbsolute, Qt::AlignRight | Qt::AlignAbsolute,
                                                 Qt::AlignHCenter};
        for (int i = 0; i < alignments.size() * 2; ++i) {
            QTextBlockFormat format;
            format.setLayoutDirection(i % 2 ? Qt::RightToLeft : Qt::LeftToRight);
            if (alignments.at(i / 2))
                format.setAlignment(alignments.at(i / 2));
            if (i == 0)
                cursor.setBlockFormat(format);
            else
                cursor.insertBlock(format);
            cursor.insertText(QStringLiteral("p%1").arg(i));
        }
        const ReadResult result = readBytes(written(&source, type), type);
        QVERIFY2(result.error.isEmpty(), qPrintable(result.error));
        QCOMPARE(result.document->blockCount(), source.blockCount());
        for (QTextBlock a = source.begin(), b = result.document->begin(); a.isValid(); a = a.next(), b = b.next()) {
            QCOMPARE(b.text(), a.text());
            QCOMPARE(b.blockFormat().layoutDirection() == Qt::RightToLeft,
                     a.blockFormat().layoutDirection() == Qt::RightToLeft);
            QCOMPARE(visualEdge(b.blockFormat()), visualEdge(a.blockFormat()));
        }
    }

    // East Asian and complex-script forms are written beside the Western
    // ones, so word processors show Chinese and right-to-left emphasis.
    void writersCoverEastAsianText()
    {
        QTextDocument document;
        QTextCursor cursor(&document);
        QTextBlockFormat heading;
        FormatHeading::setLevel(heading, 1);
        cursor.setBlockFormat(heading);
        cursor.insertText(QString::fromUtf8("第一章"));
        cursor.insertBlock(QTextBlockFormat());
        QTextCharFormat strong;
        strong.setFontWeight(QFont::Bold);
        strong.setFontItalic(true);
        cursor.insertText(QString::fromUtf8("粗斜"), strong);

        const QByteArray odt = written(&document, QStringLiteral("fodt"));
        QVERIFY2(odt.contains("<style:text-properties fo:font-size=\"18pt\" fo:font-weight=\"bold\" style:font-size-asian=\"18pt\" "
                              "style:font-weight-asian=\"bold\" style:font-size-complex=\"18pt\" style:font-weight-complex=\"bold\"/>"),
                 odt.constData());
        QVERIFY(odt.contains("<style:text-properties fo:font-weight=\"bold\" style:font-weight-asian=\"bold\" "
                             "style:font-weight-complex=\"bold\" fo:font-style=\"italic\" style:font-style-asian=\"italic\" "
                             "style:font-style-complex=\"italic\"/>"));
        const QByteArray docxBytes = written(&document, QStringLiteral("docx"));
        QVERIFY(zipMember(docxBytes, QStringLiteral("word/document.xml")).contains("<w:rPr><w:b/><w:bCs/><w:i/><w:iCs/></w:rPr>"));
        QVERIFY(zipMember(docxBytes, QStringLiteral("word/styles.xml"))
                    .contains("<w:rPr><w:b/><w:bCs/><w:sz w:val=\"36\"/><w:szCs w:val=\"36\"/></w:rPr>"));
        const QByteArray rtf = written(&document, QStringLiteral("rtf"));
        QVERIFY(rtf.contains("{\\b\\i\\rtlch\\ab\\ai\\ltrch \\u31895?\\u26012?}"));
    }

    // ---- documents made by LibreOffice ---------------------------------------

    void libreOfficeCorpus_data()
    {
        QTest::addColumn<QString>("path");
        const QDir corpus(QStringLiteral(TEST_SOURCE_DIR "/corpus"));
        const QStringList files = corpus.entryList({QStringLiteral("*.odt"), QStringLiteral("*.fodt"),
                                                    QStringLiteral("*.docx"), QStringLiteral("*.rtf")});
        QCOMPARE(files.size(), 4);
        for (const QString& file : files)
            QTest::newRow(qPrintable(file)) << corpus.filePath(file);
    }

    // Every paragraph (list items, a heading in a list, table cells), every
    // heading level and the formats of the source come through, as
    // LibreOffice wrote them in each format.
    void libreOfficeCorpus()
    {
        QFETCH(QString, path);
        const ReadResult result = readBytes(fileBytes(path), QFileInfo(path).suffix());
        QVERIFY2(result.error.isEmpty(), qPrintable(result.error));
        const QTextDocument* document = result.document.get();
        QStringList paragraphs;
        for (QTextBlock block = document->begin(); block.isValid(); block = block.next())
            paragraphs.append(QString::number(headingLevel(block)) + QLatin1Char(' ') + block.text());

        QStringList expected;
        QFile file(QStringLiteral(TEST_SOURCE_DIR "/corpus/expected.txt"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        for (const QString& line : lines) {
            if (line.startsWith(QLatin1Char('#')))
                continue;
            const QString kind = line.section(QLatin1Char(' '), 0, 0);
            const QString rest = line.section(QLatin1Char(' '), 1);
            if (kind == QLatin1String("paragraph")) {
                expected.append(rest);
                continue;
            }
            // The last word is the value where there is one.
            const QString text = (kind == QLatin1String("edge") || kind == QLatin1String("indent"))
                ? rest.section(QLatin1Char(' '), 0, -2) : rest;
            const QString value = rest.section(QLatin1Char(' '), -1);
            const QTextCharFormat chars = formatAt(document, text);
            const QTextBlock block = blockWith(document, text);
            QVERIFY2(block.isValid(), qPrintable(line));
            bool ok = true;
            if (kind == QLatin1String("bold"))
                ok = chars.fontWeight() == QFont::Bold;
            else if (kind == QLatin1String("italic"))
                ok = chars.fontItalic();
            else if (kind == QLatin1String("underline"))
                ok = chars.fontUnderline();
            else if (kind == QLatin1String("strike"))
                ok = chars.fontStrikeOut();
            else if (kind == QLatin1String("super"))
                ok = chars.verticalAlignment() == QTextCharFormat::AlignSuperScript;
            else if (kind == QLatin1String("sub"))
                ok = chars.verticalAlignment() == QTextCharFormat::AlignSubScript;
            else if (kind == QLatin1String("plain"))
                ok = chars.fontWeight() != QFont::Bold && !chars.fontItalic();
            else if (kind == QLatin1String("edge"))
                ok = visualEdge(block.blockFormat()) == value;
            else if (kind == QLatin1String("indent"))
                ok = block.blockFormat().indent() == value.toInt();
            else if (kind == QLatin1String("rtl"))
                ok = block.blockFormat().layoutDirection() == Qt::RightToLeft;
            else
                QFAIL(qPrintable(QStringLiteral("unknown line: ") + line));
            QVERIFY2(ok, qPrintable(line));
        }
        QCOMPARE(paragraphs, expected);
    }

    // The corpus read and written again by Penlark in every format reads
    // back the same. With PENLARK_ROUNDTRIP_DIR set the files and their
    // plain text are left there for tools/corpus/roundtrip.sh, which opens
    // them with LibreOffice.
    void writeForLibreOffice()
    {
        const ReadResult source = readBytes(fileBytes(QStringLiteral(TEST_SOURCE_DIR "/corpus/libreoffice.fodt")),
                                            QStringLiteral("fodt"));
        QVERIFY(source.error.isEmpty());
        const QString text = source.document->toPlainText();
        const QString target = qEnvironmentVariable("PENLARK_ROUNDTRIP_DIR");
        const QList<QPair<QString, QByteArray>> files = {
            {QStringLiteral("docx"), QByteArray()}, {QStringLiteral("odt"), QByteArray()},
            {QStringLiteral("fodt"), QByteArray()}, {QStringLiteral("rtf"), QByteArray("CP1252")},
            {QStringLiteral("rtf"), QByteArray("CP936")}};
        for (const auto& file : files) {
            DocumentWriter writer;
            writer.setDocument(source.document.get());
            writer.setType(file.first);
            writer.setEncoding(file.second);
            const QString name = QStringLiteral("penlark%1.%2").arg(QString::fromLatin1(file.second), file.first);
            writer.setFileName(target.isEmpty() ? path(name) : target + QLatin1Char('/') + name);
            QVERIFY(writer.write());
            const ReadResult back = readBytes(fileBytes(writer.fileName()), file.first);
            QVERIFY2(back.error.isEmpty(), qPrintable(back.error));
            QCOMPARE(back.document->toPlainText(), text);
        }
        if (!target.isEmpty()) {
            QFile plain(target + QStringLiteral("/expected.txt"));
            QVERIFY(plain.open(QIODevice::WriteOnly));
            plain.write(text.toUtf8() + '\n');
        }
    }

    // LibreOffice reads back, character for character, a chapter of 2 000
    // indented lines that Penlark wrote as ODT and flat ODT: spaces at the
    // start of lines, in runs, around tabs and line breaks, and where a
    // fragment of another format begins.
    void libreOfficeReadsExportedChapter_data()
    {
        QTest::addColumn<QString>("type");
        QTest::newRow("odt") << "odt";
        QTest::newRow("fodt") << "fodt";
    }

    void libreOfficeReadsExportedChapter()
    {
        QFETCH(QString, type);
        QTextDocument chapter;
        QTextCursor cursor(&chapter);
        QTextCharFormat bold;
        bold.setFontWeight(QFont::Bold);
        for (int i = 0; i < 2000; ++i) {
            if (i > 0)
                cursor.insertBlock();
            cursor.insertText(QString(i % 5, QLatin1Char(' ')) + QStringLiteral("第%1行 line").arg(i));
            if (i % 3 == 0)
                cursor.insertText(QStringLiteral("  two\t tab "), bold);
            if (i % 7 == 0)
                cursor.insertText(QStringLiteral(" after\u2028  broken  "));
        }
        DocumentWriter writer;
        writer.setDocument(&chapter);
        writer.setType(type);
        writer.setFileName(path(QStringLiteral("chapter.") + type));
        QVERIFY(writer.write());
        QCOMPARE(libreOfficeText(writer.fileName(), path(QStringLiteral("text-") + type)), chapter.toPlainText() + QLatin1Char('\n'));
    }

    // A document LibreOffice saved with pictures (as Base64 inside a flat
    // ODT, as files of their own in an ODT) and footnotes reads with the
    // paragraphs LibreOffice's own text export has, picture bytes nowhere:
    // a footnote's body stays in its sentence (LibreOffice's text leaves it
    // out), without splitting it. So do, read whole, the large documents of
    // the later rows: tracked changes (their records ahead of the text), a
    // bordered table, and a run for every character as PDF converters write.
    void libreOfficePicturesAndNotes_data()
    {
        QTest::addColumn<QString>("type");
        QTest::addColumn<QByteArray>("document");
        QTest::newRow("fodt") << "fodt" << QByteArray();
        QTest::newRow("odt") << "odt" << QByteArray();
        QByteArray novel = "<text:tracked-changes>", changed;
        for (int i = 0; i < 24000; ++i) {
            const QByteArray name = "c" + QByteArray::number(i);
            novel += "<text:changed-region text:id=\"" + name + "\"><text:insertion><office:change-info><dc:creator>Ann Writer</dc:creator>"
                     "<dc:date>2024-01-01T10:00:00</dc:date></office:change-info></text:insertion></text:changed-region>";
            changed += "<text:p>" + name + "，她把这一句改了又改，<text:change-start text:change-id=\"" + name + "\"/>added in review"
                       "<text:change-end text:change-id=\"" + name + "\"/>, and the sentence goes on to its end.</text:p>";
        }
        QTest::newRow("odt with 24 000 tracked changes") << "odt" << fodt(QByteArray(), novel + "</text:tracked-changes>" + changed);
        QByteArray table = "<text:p>Before the table.</text:p><table:table table:name=\"T\"><table:table-column table:number-columns-repeated=\"24\"/>";
        for (int cell = 0; cell < 500 * 24; ++cell)
            table += QByteArray(cell % 24 ? "" : "<table:table-row>") + "<table:table-cell table:style-name=\"C\"><text:p>"
                + (cell % 7 == 3 ? QByteArray() : QByteArray::number(cell % 10)) + "</text:p></table:table-cell>" + (cell % 24 == 23 ? "</table:table-row>" : "");
        QTest::newRow("docx with a 500 by 24 table") << "docx" << fodt("<style:style style:name=\"C\" style:family=\"table-cell\"><style:table-cell-properties "
                                                                       "fo:border=\"0.5pt solid #000000\"/></style:style>", table + "</table:table><text:p>The end.</text:p>");
        const QString line = QStringLiteral("转换器把每个字都放进自己的一段格式里 and every letter too, ");
        QByteArray runs;
        for (int paragraph = 0; paragraph < 1000; ++paragraph) {
            runs += "<w:p>";
            for (int i = 0; i < line.size(); ++i)
                runs += "<w:r><w:rPr><w:rFonts w:ascii=\"Times New Roman\" w:eastAsia=\"SimSun\" w:hAnsi=\"Times New Roman\" w:cs=\"Times New Roman\"/>"
                        "<w:color w:val=\"000000\"/><w:spacing w:val=\"" + QByteArray::number(i % 5 - 2) + "\"/><w:w w:val=\"100\"/><w:kern w:val=\"0\"/>"
                        "<w:position w:val=\"0\"/><w:sz w:val=\"21\"/><w:szCs w:val=\"21\"/><w:vertAlign w:val=\"baseline\"/><w:lang w:val=\"en-US\" "
                        "w:eastAsia=\"zh-CN\"/></w:rPr><w:t xml:space=\"preserve\">" + line.mid(i, 1).toUtf8() + "</w:t></w:r>";
            runs += paragraph % 10 ? "</w:p>" : "<w:r><w:t xml:space=\"preserve\">one line\nand\r\nthe next</w:t></w:r></w:p>";
        }
        QTest::newRow("docx with a run for every character") << "docx" << docx(runs);
    }

    void libreOfficePicturesAndNotes()
    {
        QFETCH(QString, type);
        QFETCH(QByteArray, document);
        auto picture = [](int seed) {
            QImage image(48, 48, QImage::Format_RGB32);
            quint32 state = quint32(seed);
            for (int i = 0; i < 48 * 48; ++i)
                image.setPixel(i % 48, i / 48, state = state * 1664525u + 1013904223u);
            QByteArray png;
            QBuffer buffer(&png);
            buffer.open(QIODevice::WriteOnly);
            image.save(&buffer, "PNG");
            return "<draw:frame text:anchor-type=\"as-char\" svg:width=\"1cm\" svg:height=\"1cm\"><draw:image>"
                   "<office:binary-data>" + png.toBase64() + "</office:binary-data></draw:image></draw:frame>";
        };
        auto note = [](const QByteArray& body) {
            return "<text:note text:note-class=\"footnote\"><text:note-citation>1</text:note-citation><text:note-body>" + body
                + "</text:note-body></text:note>";
        };
        const QStringList noteTexts = document.isEmpty() ? QStringList{QStringLiteral("注释甲。"), QStringLiteral("Note B first."), QStringLiteral("Note B second.")} : QStringList();
        const QByteArray source = !document.isEmpty() ? document : "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<office:document "
            "xmlns:office=\"urn:oasis:names:tc:opendocument:xmlns:office:1.0\" xmlns:text=\"urn:oasis:names:tc:opendocument:xmlns:text:1.0\" "
            "xmlns:draw=\"urn:oasis:names:tc:opendocument:xmlns:drawing:1.0\" "
            "xmlns:svg=\"urn:oasis:names:tc:opendocument:xmlns:svg-compatible:1.0\" office:version=\"1.3\" "
            "office:mimetype=\"application/vnd.oasis.opendocument.text\"><office:body><office:text>"
            "<text:p>第一段，图片之前。</text:p><text:p>Picture " + picture(1) + " in the sentence.</text:p>"
            "<text:p>" + picture(2) + "</text:p><text:p>Two " + picture(3) + " pictures " + picture(4) + " here.</text:p>"
            "<text:p>一句话" + note("<text:p>" + noteTexts[0].toUtf8() + "</text:p>") + "还没有完。</text:p>"
            "<text:p>A sentence with a note" + note("<text:p>" + noteTexts[1].toUtf8() + "</text:p><text:p>" + noteTexts[2].toUtf8() + "</text:p>")
            + " and more text.</text:p><text:p>Last paragraph.</text:p></office:text></office:body></office:document>";
        const QString sourcePath = path(QTest::currentDataTag() + QStringLiteral("/book.fodt"));
        const QString saved = path(QStringLiteral("saved-") + QTest::currentDataTag());
        // A DOCX is given to LibreOffice as it stands.
        QVERIFY(source.startsWith("PK") ? writeTestFile(saved + QStringLiteral("/book.docx"), source)
                                        : writeTestFile(sourcePath, source) && libreOffice(type, sourcePath, saved));
        QStringList lines = libreOfficeText(saved + QStringLiteral("/book.") + type, saved).split(QLatin1Char('\n'));
        if (lines.last().isEmpty())
            lines.removeLast();
        const QByteArray savedBytes = fileBytes(saved + QStringLiteral("/book.") + type);
        // The flat ODT carries the pictures as LibreOffice laid them out.
        QCOMPARE(savedBytes.contains("<office:binary-data>"), type == QLatin1String("fodt"));
        const ReadResult result = readBytes(savedBytes, type);
        QVERIFY2(result.error.isEmpty(), qPrintable(result.error));
        QVERIFY(!result.document->toPlainText().contains(QLatin1String("iVBORw0KGgo")));
        QStringList paragraphs = blockTexts(result.document.get());
        for (const QString& body : noteTexts) {
            QCOMPARE(paragraphs.filter(body).size(), 1);
            paragraphs.replaceInStrings(body, QString());
        }
        QCOMPARE(paragraphs, lines);
    }

    // ---- fuzzing -----------------------------------------------------------

    // The seed corpus of the fuzz targets: small valid files of every kind
    // the readers take, each of which reads without an error. With
    // PENLARK_FUZZ_SEEDS set they are written there, one folder a target
    // (scripts/fuzz.sh does that).
    void fuzzSeeds()
    {
        QList<QPair<QString, QByteArray>> seeds;
        QTextDocument sample;
        fillSample(&sample);
        QTextDocument book;
        fillBook(&book, 20);
        for (const QTextDocument* document : {static_cast<const QTextDocument*>(&sample), static_cast<const QTextDocument*>(&book)}) {
            for (const QString& type : readerTypes())
                seeds.append({type, written(document, type, type == QLatin1String("rtf") ? QByteArray("CP936") : QByteArray())});
        }
        seeds.append({QStringLiteral("docx"), docx("<w:tbl><w:tr><w:tc><w:p><w:r><w:t>cell</w:t></w:r></w:p></w:tc></w:tr></w:tbl>"
                                                   "<w:p><w:hyperlink><w:r><w:br w:type=\"page\"/><w:t>link</w:t></w:r></w:hyperlink></w:p>",
                                                   "<w:style w:type=\"paragraph\" w:styleId=\"A\"><w:basedOn w:val=\"B\"/></w:style>"
                                                   "<w:style w:type=\"paragraph\" w:styleId=\"B\"><w:name w:val=\"Heading 2\"/></w:style>")});
        seeds.append({QStringLiteral("fodt"), fodt("<style:style style:name=\"B\" style:family=\"text\"><style:text-properties style:font-weight-asian=\"bold\" style:text-position=\"super 58%\"/></style:style>",
                                                   "<text:list><text:list-item><text:h text:outline-level=\"2\">h</text:h></text:list-item></text:list>"
                                                   "<text:p><text:span text:style-name=\"B\">b</text:span><text:s text:c=\"3\"/></text:p>")});
        seeds.append({QStringLiteral("rtf"), QByteArray("{\\rtf1\\ansi\\ansicpg936{\\fonttbl{\\f0\\fcharset134 \\'cb\\'ce;}}{\\stylesheet{\\s1 Heading 1;}}"
                                                        "\\pard\\s1{\\listtext \\tab}Head\\par\\trowd\\pard\\intbl A\\cell\\row"
                                                        "{\\rtlch\\ab\\ltrch\\dbch\\ab \\u31895?}\\bin2 xy\\par}")});
        const QDir corpus(QStringLiteral(TEST_SOURCE_DIR "/corpus"));
        for (const QFileInfo& file : corpus.entryInfoList(QDir::Files)) {
            if (readerTypes().contains(file.suffix()))
                seeds.append({file.suffix(), fileBytes(file.filePath())});
        }
        // A document type is read; one that declares entities or attribute
        // defaults is refused (the seeds after `readable`).
        auto odt = [](const QByteArray& doctype, const QByteArray& text) {
            return makeZip({{QStringLiteral("mimetype"), "application/vnd.oasis.opendocument.text"},
                            {QStringLiteral("content.xml"), fodt(QByteArray(), text).replace("?>\n", "?>\n" + doctype)}});
        };
        seeds.append({QStringLiteral("odt"), odt("<!DOCTYPE office:document>", "<text:p>x <text:span>&amp;</text:span></text:p>")});
        seeds.append({QStringLiteral("odt"), odt(QByteArray(), "<text:tracked-changes><text:changed-region text:id=\"c\"><text:deletion>"
                                                               "<text:p>gone</text:p></text:deletion></text:changed-region></text:tracked-changes>"
                                                               "<text:p>x<text:change text:change-id=\"c\"/></text:p>")});
        for (const char* codec : {"UTF-16LE", "UTF-32BE"})
            seeds.append({QStringLiteral("fodt"), unmarked(codec, fodt(QByteArray(), "<text:p text:style-name=\"P\">x</text:p>"))});
        const int readable = seeds.size();
        // Refused for a start tag with too many attributes.
        seeds.append({QStringLiteral("fodt"), fodt(QByteArray(), "<text:p" + attributes("text:a", 300) + ">x</text:p>")});
        seeds.append({QStringLiteral("docx"), docx("<w:p" + attributes("xmlns:n", 300) + "/>")});
        seeds.append({QStringLiteral("fodt"), unmarked("UTF-16BE", fodt(QByteArray(), "<text:p>&e;</text:p>").replace("?>\n", "?>\n<!DOCTYPE d [<!ENTITY e \"e\">]>"))});
        const QByteArray doctype = "<!DOCTYPE d [<!ENTITY e \"&#x4E2D;\"><!ENTITY f \"&e;&e;\"><!ATTLIST w:t xml:space CDATA \"preserve\">]>";
        seeds.append({QStringLiteral("odt"), odt(doctype, "<text:p>&f;</text:p>")});
        seeds.append({QStringLiteral("docx"), makeZip({{QStringLiteral("word/document.xml"),
                                                        "<?xml version=\"1.0\"?>" + doctype + zipMember(docx("<w:p><w:r><w:t>&f;</w:t></w:r></w:p>"),
                                                                                                         QStringLiteral("word/document.xml")).mid(21)}})});

        const QString target = qEnvironmentVariable("PENLARK_FUZZ_SEEDS");
        int number = 0;
        for (int index = 0; index < seeds.size(); ++index) {
            const auto& seed = seeds.at(index);
            const bool xml = seed.first == QLatin1String("docx") || seed.first.endsWith(QLatin1String("odt"));
            const ReadResult result = xml ? readXmlAs(seed.second, seed.first) : readBytes(seed.second, seed.first);
            if (index < readable) {
                QVERIFY2(result.error.isEmpty(), qPrintable(seed.first + QStringLiteral(": ") + result.error));
                QVERIFY(!result.document->isEmpty());
            } else {
                QVERIFY2(result.error.contains(QLatin1String("<!ENTITY")) || result.error == QString::fromUtf8(TooManyAttributes),
                         qPrintable(result.error));
            }
            if (target.isEmpty())
                continue;
            // Flat ODT goes to the ODT target; packages also to the ZIP one.
            QStringList folders = {seed.first == QLatin1String("fodt") ? QStringLiteral("odt") : seed.first};
            if (seed.first == QLatin1String("docx") || seed.first == QLatin1String("odt"))
                folders.append(QStringLiteral("zip"));
            for (const QString& folder : folders) {
                QVERIFY(QDir().mkpath(target + QLatin1Char('/') + folder));
                QFile file(QStringLiteral("%1/%2/seed-%3.%4").arg(target, folder).arg(number).arg(seed.first));
                QVERIFY(file.open(QIODevice::WriteOnly));
                QCOMPARE(file.write(seed.second), qint64(seed.second.size()));
            }
            // The DOCX target also takes its two members as plain text.
            if (seed.first == QLatin1String("docx")) {
                const QByteArray members = zipMember(seed.second, QStringLiteral("word/styles.xml")) + "\n--\n"
                    + zipMember(seed.second, QStringLiteral("word/document.xml"));
                QFile file(QStringLiteral("%1/docx/seed-%2.xml").arg(target).arg(number));
                QVERIFY(file.open(QIODevice::WriteOnly));
                QCOMPARE(file.write(members), qint64(members.size()));
            }
            ++number;
        }
    }

    // Inputs that once crashed or hung a reader, found by the fuzz targets
    // (tests/fileformats/crashes/<target>/): each is read to an end, twice
    // with the same result, within the limits.
    void fuzzCrashInputs_data()
    {
        QTest::addColumn<QString>("path");
        QDirIterator it(QStringLiteral(TEST_SOURCE_DIR "/crashes"), QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString path = it.next();
            if (!path.endsWith(QLatin1String(".md")))
                QTest::newRow(qPrintable(QFileInfo(path).dir().dirName() + QLatin1Char('/') + QFileInfo(path).fileName())) << path;
        }
    }

    void fuzzCrashInputs()
    {
        QFETCH(QString, path);
        const QByteArray bytes = fileBytes(path);
        const QString target = QFileInfo(path).dir().dirName();
        if (target == QLatin1String("ranking")) {
            const QString text = QString::fromUtf8(bytes);
            QCOMPARE(RankingXml::roomDataToXml(RankingXml::roomXmlToRoomData(text)),
                     RankingXml::roomDataToXml(RankingXml::roomXmlToRoomData(text)));
            QVERIFY(RankingXml::botXmlToBotData(text).BotList.size() <= RankingXml::MaxPlanWriters);
            RankingXml::botXmlToBotUser(bytes, 100);
            return;
        }
        const QString type = target == QLatin1String("zip") ? QStringLiteral("docx") : target;
        // As the DOCX target does, members given as text are packed first.
        QByteArray input = bytes;
        if (type == QLatin1String("docx") && !bytes.startsWith("PK")) {
            const int split = bytes.indexOf("\n--\n");
            QList<QPair<QString, QByteArray>> members;
            if (split >= 0)
                members.append({QStringLiteral("word/styles.xml"), bytes.left(split)});
            members.append({QStringLiteral("word/document.xml"), split >= 0 ? bytes.mid(split + 4) : bytes});
            input = makeZip(members);
        }
        const ReadResult first = readBytes(input, type);
        const ReadResult second = readBytes(input, type);
        QCOMPARE(second.error, first.error);
        QCOMPARE(second.document->toPlainText(), first.document->toPlainText());
        QVERIFY(first.document->characterCount() <= ReadLimits().maxCharacters + ReadLimits().maxParagraphs + 1);
    }

    // ---- gzip --------------------------------------------------------------

    void gzipHelpers()
    {
        const QString fileName = path(QStringLiteral("data.txt"));
        const QByteArray content = QByteArray("chapter ").repeated(1000);
        {
            QFile file(fileName);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(content);
        }
        QCOMPARE(gunzip(fileName), content);
        QVERIFY(gzip(fileName));
        const QByteArray packed = fileBytes(fileName);
        QVERIFY(packed.startsWith("\x1F\x8B"));
        QVERIFY(packed.size() < content.size());
        QCOMPARE(gunzip(fileName), content);
        QCOMPARE(gunzip(fileName, 100), QByteArray());
        QVERIFY(!gzip(path(QStringLiteral("absent.txt"))));
        QVERIFY(!QFile::exists(path(QStringLiteral("absent.txt"))));
        QCOMPARE(gunzip(path(QStringLiteral("absent.txt"))), QByteArray());
    }
};

PENLARK_TEST_MAIN(TestFileFormats)
#include "tst_fileformats.moc"
