// Build-time tool that makes the installed documents and icons:
//   docgen pdf TITLE INPUT.md OUTPUT.pdf   a Markdown text as a paginated PDF
//   docgen icon INPUT.svg OUTDIR SIZE...   PNG renderings of the icon, one
//                                          OUTDIR/SIZExSIZE/apps/larkspan.png each
// Pictures in the Markdown are found relative to the Markdown file.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgRenderer>
#include <QTextDocument>
#include <QUrl>
#include <cstdio>

namespace {

int fail(const QString& message)
{
    std::fprintf(stderr, "docgen: %s\n", qPrintable(message));
    return 1;
}

int makePdf(const QString& title, const QString& input, const QString& output)
{
    QFile in(input);
    if (!in.open(QIODevice::ReadOnly)) return fail(QStringLiteral("cannot read %1: %2").arg(input, in.errorString()));
    const QString markdown = QString::fromUtf8(in.readAll());

    QPdfWriter pdf(output);
    pdf.setTitle(title);
    pdf.setCreator(QStringLiteral("Larkspan"));
    pdf.setResolution(300);
    pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(20, 18, 20, 18),
                                  QPageLayout::Millimeter));

    QTextDocument doc;
    // Pictures are resolved against the document's own address.
    const QUrl self = QUrl::fromLocalFile(QFileInfo(input).absoluteFilePath());
    doc.setBaseUrl(self);
    doc.setMetaInformation(QTextDocument::DocumentUrl, self.toString());
    doc.setDefaultFont(QFont(QStringLiteral("DejaVu Sans"), 10));
    doc.setMarkdown(markdown);
    doc.setMetaInformation(QTextDocument::DocumentTitle, title);
    // QTextDocument::print paginates and numbers the pages; it reports no
    // failure, so the written file is checked instead.
    doc.print(&pdf);
    if (!QFileInfo(output).isFile() || QFileInfo(output).size() == 0)
        return fail(QStringLiteral("cannot write %1").arg(output));
    return 0;
}

int makeIcons(const QString& input, const QString& outDir, const QStringList& sizes)
{
    QSvgRenderer svg(input);
    if (!svg.isValid()) return fail(QStringLiteral("cannot read the picture %1").arg(input));
    for (const QString& text : sizes) {
        bool ok = false;
        const int size = text.toInt(&ok);
        if (!ok || size <= 0 || size > 1024) return fail(QStringLiteral("not an icon size: %1").arg(text));
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        svg.render(&painter);
        painter.end();
        const QString dir = QStringLiteral("%1/%2x%2/apps").arg(outDir).arg(size);
        if (!QDir().mkpath(dir)) return fail(QStringLiteral("cannot create %1").arg(dir));
        if (!image.save(dir + QStringLiteral("/larkspan.png")))
            return fail(QStringLiteral("cannot write in %1").arg(dir));
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.size() == 4 && args[0] == QLatin1String("pdf")) return makePdf(args[1], args[2], args[3]);
    if (args.size() >= 4 && args[0] == QLatin1String("icon")) return makeIcons(args[1], args[2], args.mid(3));
    return fail(QStringLiteral("usage: docgen pdf TITLE INPUT.md OUTPUT.pdf | docgen icon INPUT.svg OUTDIR SIZE..."));
}
