// Reading a 20 MB novel (the shared generated book, with a heading every
// 300 lines and some bold) from DOCX, ODT and RTF as written by the format
// library. Each read runs in a fresh process of this program, so its time
// and peak memory are its own; the peak of a process that reads nothing is
// printed as the baseline. The RTF file carries every Chinese character as
// a \u escape, as in a file written under a Western code page.
// Then two hostile files: a flat ODT whose one paragraph carries 100 000
// attributes, and a DOCX of 800 KB that unpacks to 200 MiB of empty
// paragraphs (each with the properties Word gives a blank line): the time
// and peak memory of their reads, which stop with a reason. The same for a
// DOCX of 4 MiB of bare empty paragraphs ("<w:p/>" 699 050 times), and for
// an ODT laid out as LibreOffice saves a novel of 1.5 M characters with
// 24 000 tracked changes (every change record before the first paragraph),
// which reads whole.
#include "support/fileformats/docxwriter.h"
#include "support/fileformats/formatmanager.h"
#include "support/fileformats/formatreader.h"
#include "support/fileformats/odtwriter.h"
#include "support/fileformats/rtfwriter.h"
#include "support/fileformats/zippackage.h"

#include <QBuffer>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <private/qzipwriter_p.h>

#include "benchbook.h"

#include <malloc.h>
#include <sys/resource.h>

#include <cstdio>
#include <cstdlib>
#include <memory>

namespace {

long peakKilobytes()
{
    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// Child: reads one file, prints "<ms> <peak kB> <characters> <error>".
int readOne(const QString& type, const QString& path)
{
    if (type == QLatin1String("none")) {
        std::printf("0 %ld 0\n", peakKilobytes());
        return 0;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return 1;
    QTextDocument document;
    QElapsedTimer timer;
    timer.start();
    std::unique_ptr<FormatReader> reader(FormatManager::createReader(&file, type));
    reader->read(&file, &document);
    const qint64 ms = timer.elapsed();
    std::printf("%lld %ld %d %s\n", ms, peakKilobytes(), document.characterCount(),
                qPrintable(reader->errorString()));
    return 0;
}

void fillDocument(QTextDocument* document)
{
    const QStringList lines = makeBook().split(QLatin1Char('\n'));
    QTextCursor cursor(document);
    QTextCharFormat bold;
    bold.setFontWeight(QFont::Bold);
    for (int i = 0; i < lines.size(); ++i) {
        QTextBlockFormat format;
        FormatHeading::setLevel(format, i % 300 == 0 ? 1 : 0);
        if (i == 0)
            cursor.setBlockFormat(format);
        else
            cursor.insertBlock(format, QTextCharFormat());
        const QString& line = lines.at(i);
        if (i % 7 == 3 && line.size() > 10) {
            cursor.insertText(line.left(4), bold);
            cursor.insertText(line.mid(4), QTextCharFormat());
        } else {
            cursor.insertText(line, QTextCharFormat());
        }
    }
}

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// A package of one compressed member (and the mimetype an ODT starts with).
bool writeZip(const QString& path, const QString& member, const QByteArray& bytes, const QByteArray& mimetype = QByteArray())
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && ZipPackage::writePackage(&file, [&](QZipWriter& zip) {
        if (!mimetype.isEmpty()) {
            zip.setCompressionPolicy(QZipWriter::NeverCompress);
            zip.addFile(QStringLiteral("mimetype"), mimetype);
        }
        zip.setCompressionPolicy(QZipWriter::AlwaysCompress);
        zip.addFile(member, bytes);
    });
}

QByteArray written(const QTextDocument* document, const QString& type)
{
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    if (type == QLatin1String("docx")) {
        DocxWriter().write(&buffer, document);
    } else if (type == QLatin1String("odt")) {
        OdtWriter().write(&buffer, document);
    } else {
        buffer.setTextModeEnabled(true);
        RtfWriter("CP1252").write(&buffer, document);
    }
    return data;
}

struct Figures {
    double ms = 0;
    double peakMb = 0;
};

Figures runChild(const QString& type, const QString& path)
{
    QProcess child;
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--read"), type, path});
    child.waitForFinished(-1);
    const QList<QByteArray> parts = child.readAllStandardOutput().trimmed().split(' ');
    Figures figures;
    if (parts.size() >= 3) {
        figures.ms = parts.at(0).toDouble();
        figures.peakMb = parts.at(1).toDouble() / 1024.0;
        if (parts.size() > 3)
            std::fprintf(stderr, "%s: %s\n", qPrintable(type), parts.mid(3).join(' ').constData());
    }
    return figures;
}

}

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QGuiApplication app(argc, argv);
    if (argc == 4 && QByteArray(argv[1]) == "--read")
        return readOne(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]));

    // "--keep DIR" leaves the novels there, for profiling one read alone
    // ("--read TYPE FILE").
    QTemporaryDir temporary;
    if (!temporary.isValid())
        return 1;
    QDir root(temporary.path());
    if (argc == 3 && QByteArray(argv[1]) == "--keep")
        root.setPath(QString::fromLocal8Bit(argv[2]));
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(root.path()));
    const QStringList types = {QStringLiteral("docx"), QStringLiteral("odt"), QStringLiteral("rtf")};
    {
        QTextDocument book;
        fillDocument(&book);
        print("novel_text_size", book.toPlainText().toUtf8().size() / (1024.0 * 1024.0), "MB");
        for (const QString& type : types) {
            const QByteArray bytes = written(&book, type);
            if (!writeFile(root.filePath(QStringLiteral("novel.") + type), bytes))
                return 1;
            print((type.toLatin1() + "_file_size").constData(), bytes.size() / (1024.0 * 1024.0), "MB");
        }
    }
    // A child starts with the peak of this process as it forks: the book
    // is given back first.
    malloc_trim(0);

    const Figures baseline = runChild(QStringLiteral("none"), QString());
    print("process_baseline_peak_memory", baseline.peakMb, "MB");
    QHash<QString, Figures> results;
    for (const QString& type : types) {
        const QString path = root.filePath(QStringLiteral("novel.") + type);
        const QByteArray name = type.toLatin1();
        // The best of three runs; memory is the same each time.
        Figures best;
        for (int run = 0; run < 3; ++run) {
            const Figures figures = runChild(type, path);
            if (run == 0 || figures.ms < best.ms)
                best = figures;
        }
        results.insert(type, best);
        print((name + "_read_20mb_novel").constData(), best.ms, "ms");
        print((name + "_read_20mb_novel_peak_memory").constData(), best.peakMb, "MB");
    }
    const double docx = results.value(QStringLiteral("docx")).ms;
    if (docx > 0)
        print("rtf_to_docx_read_time_ratio", results.value(QStringLiteral("rtf")).ms / docx, "x");

    // A flat ODT of 1 MB whose one paragraph carries 100 000 attributes: the
    // parser alone would compare them pairwise for minutes; it is refused.
    QByteArray flood = "<?xml version=\"1.0\"?><office:document xmlns:office=\"urn:oasis:names:tc:opendocument:xmlns:office:1.0\" "
                       "xmlns:text=\"urn:oasis:names:tc:opendocument:xmlns:text:1.0\"><office:body><office:text><text:p";
    for (int i = 0; i < 100000; ++i)
        flood += " text:a" + QByteArray::number(i, 36) + "=\"\"";
    flood += ">x</text:p></office:text></office:body></office:document>";
    const QString floodPath = root.filePath(QStringLiteral("attributes.fodt"));
    if (!writeFile(floodPath, flood))
        return 1;
    const Figures refused = runChild(QStringLiteral("odt"), floodPath);
    print("fodt_100k_attributes_refused", refused.ms, "ms");
    const double odt = results.value(QStringLiteral("odt")).ms;
    if (odt > 0)
        print("fodt_100k_attributes_to_odt_novel_time_ratio", refused.ms / odt, "x");

    // One read of a file: its time, its peak memory, and its time against
    // the novel's of the same type.
    auto measure = [&](const QByteArray& name, const char* outcome, const QString& type, const QString& file) {
        malloc_trim(0);
        const Figures figures = runChild(type, root.filePath(file));
        print((name + '_' + outcome).constData(), figures.ms, "ms");
        print((name + "_peak_memory").constData(), figures.peakMb, "MB");
        const double novel = results.value(type).ms;
        if (novel > 0)
            print((name + "_to_" + type.toLatin1() + "_novel_time_ratio").constData(), figures.ms / novel, "x");
    };
    const QByteArray wordDocument = "<?xml version=\"1.0\"?><w:document "
                                    "xmlns:w=\"http://schemas.openxmlformats.org/wordprocessingml/2006/main\"><w:body>";
    {
        const QByteArray blank = "<w:p><w:pPr><w:pStyle w:val=\"Normal\"/><w:spacing w:before=\"0\" w:after=\"0\" "
                                 "w:line=\"240\" w:lineRule=\"auto\"/><w:rPr><w:rFonts w:hint=\"eastAsia\"/></w:rPr></w:pPr></w:p>";
        const QString path = root.filePath(QStringLiteral("blank.docx"));
        if (!writeZip(path, QStringLiteral("word/document.xml"),
                      wordDocument + blank.repeated(int(200LL * 1024 * 1024 / blank.size())) + "</w:body></w:document>"))
            return 1;
        print("docx_empty_paragraphs_file_size", QFileInfo(path).size() / 1024.0, "KB");
    }
    measure("docx_200mib_empty_paragraphs", "refused", QStringLiteral("docx"), QStringLiteral("blank.docx"));

    if (!writeZip(root.filePath(QStringLiteral("bare.docx")), QStringLiteral("word/document.xml"),
                  wordDocument + QByteArray("<w:p/>").repeated(699050) + "</w:body></w:document>"))
        return 1;
    measure("docx_699050_bare_paragraphs", "refused", QStringLiteral("docx"), QStringLiteral("bare.docx"));

    {
        QByteArray content = "<?xml version=\"1.0\" encoding=\"UTF-8\"?><office:document-content "
                             "xmlns:office=\"urn:oasis:names:tc:opendocument:xmlns:office:1.0\" "
                             "xmlns:text=\"urn:oasis:names:tc:opendocument:xmlns:text:1.0\" "
                             "xmlns:dc=\"http://purl.org/dc/elements/1.1/\"><office:body><office:text><text:tracked-changes>";
        QByteArray paragraphs;
        for (int i = 0; i < 24000; ++i) {
            const QByteArray id = "ct" + QByteArray::number(94715475514992LL + i * 1152LL);
            content += "<text:changed-region xml:id=\"" + id + "\" text:id=\"" + id + "\"><text:insertion><office:change-info>"
                       "<dc:creator>Ann Writer</dc:creator><dc:date>2024-01-01T10:00:00</dc:date></office:change-info>"
                       "</text:insertion></text:changed-region>";
            paragraphs += "<text:p text:style-name=\"Standard\">第" + QByteArray::number(i) + "段，她把这一句改了又改，<text:change-start "
                          "text:change-id=\"" + id + "\"/>added in review<text:change-end text:change-id=\"" + id + "\"/>"
                          ", and the sentence goes on to its end.</text:p>";
        }
        content += "</text:tracked-changes>" + paragraphs + "</office:text></office:body></office:document-content>";
        if (!writeZip(root.filePath(QStringLiteral("changes.odt")), QStringLiteral("content.xml"), content,
                      "application/vnd.oasis.opendocument.text"))
            return 1;
    }
    measure("odt_24000_tracked_changes", "read", QStringLiteral("odt"), QStringLiteral("changes.odt"));
    return 0;
}
