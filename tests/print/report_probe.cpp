#include "report_probe.h"

#include "print/report_painter.h"

#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTest>

namespace memora::test {

std::vector<PlacedText> placedLines(const ReportPage& page, const QString& box)
{
    std::vector<PlacedText> lines;
    for (const PlacedText& text : page.texts)
        if (text.box == box)
            lines.push_back(text);
    return lines;
}

PlacedText placedLine(const ReportPage& page, const QString& box)
{
    const std::vector<PlacedText> lines = placedLines(page, box);
    if (lines.empty()) {
        QTest::qFail(qPrintable(QStringLiteral("no text from box ") + box), __FILE__, __LINE__);
        return {};
    }
    return lines.front();
}

bool inkIn(const ReportPage& page, const QRectF& area)
{
    constexpr qreal dotsPerMm = 20;
    QImage image((area.size() * dotsPerMm).toSize(), QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        paintPage(page, painter, dotsPerMm, -area.topLeft() * dotsPerMm);
    }
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qGray(image.pixel(x, y)) < 160)
                return true;
    return false;
}

namespace {
QString run(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(-1) || process.exitCode() != 0)
        return {};
    return QString::fromUtf8(process.readAllStandardOutput());
}
}  // namespace

QString pdfText(const QString& path, int first, int last)
{
    QStringList arguments{QStringLiteral("-layout"), QStringLiteral("-f"), QString::number(first)};
    if (last > 0)
        arguments << QStringLiteral("-l") << QString::number(last);
    return run(QStringLiteral("pdftotext"), arguments << path << QStringLiteral("-"));
}

QString pdfInfo(const QString& path, const QString& field)
{
    const QRegularExpression line(QStringLiteral("^") + QRegularExpression::escape(field) + QStringLiteral(":\\s*(.*)$"),
                                  QRegularExpression::MultilineOption);
    return line.match(run(QStringLiteral("pdfinfo"), {path})).captured(1).trimmed();
}

QSizeF pdfPageSize(const QString& path)
{
    static const QRegularExpression size(QStringLiteral("^([0-9.]+) x ([0-9.]+) pts"));
    const QRegularExpressionMatch match = size.match(pdfInfo(path, QStringLiteral("Page size")));
    return QSizeF(qRound(match.captured(1).toDouble()), qRound(match.captured(2).toDouble()));
}

bool havePdfTools()
{
    return !QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty()
        && !QStandardPaths::findExecutable(QStringLiteral("pdfinfo")).isEmpty();
}

}  // namespace memora::test
