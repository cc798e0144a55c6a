// A platform for tests: a fixed clock, a temporary program directory,
// scripted dialogs and recorders for the desktop, the sound, printing and
// modal windows.
#pragma once

#include "archive/card_record.h"
#include "platform/platform.h"
#include "print/report_layout.h"

#include <QList>
#include <QStringList>
#include <QTemporaryDir>

#include <functional>
#include <vector>

namespace memora::test {

struct ShownMessage {
    MessageKind kind;
    QString text;
};

class FakeMessages : public Messages {
public:
    void show(QWidget*, MessageKind kind, const QString& text) override { shown.append({kind, text}); }
    bool ask(QWidget*, const QString& text) override
    {
        questions.append(text);
        return answers.isEmpty() ? true : answers.takeFirst();
    }
    QList<ShownMessage> shown;
    QStringList questions;
    QList<bool> answers;  // the next answers to ask(); Yes when empty
};

class FakeModal : public ModalRunner {
public:
    // Runs inside the modal window; without it the window closes at once.
    std::function<void(QDialog&)> inside;
    QStringList shownTitles;
    void run(QDialog& dialog) override;
};

class FakeDesktop : public DesktopOpener {
public:
    void open(const QUrl& url) override { opened.append(url); }
    QList<QUrl> opened;
};

class FakeSound : public AlertSound {
public:
    bool load(const QString& path) override;
    void play() override { ++plays; }
    void stop() override { ++stops; }
    QStringList loaded;
    int plays = 0;
    int stops = 0;
};

// Records what would go to paper or to the preview; answers the print dialog
// with confirm.
class FakePrinting : public Printing {
public:
    bool print(QWidget* parent, const ReportDocument& document) override;
    void preview(QWidget*, const ReportDocument& document) override { previewed.push_back(document); }
    bool confirm = true;  // false: the user cancels the print dialog
    int dialogs = 0;      // print dialogs offered
    std::vector<ReportDocument> printed;
    std::vector<ReportDocument> previewed;
    QList<QWidget*> parents;  // the owner of each print dialog
};

// Writes the document to a PDF file, page for page as a printer gets it.
bool writePdf(const ReportDocument& document, const QString& path);

class FakeClock : public Clock {
public:
    QDate today() const override { return day; }
    QTime now() const override { return time; }
    QDate day{2014, 3, 10};
    QTime time{9, 30, 0};
};

// Installs itself on construction and uninstalls on destruction.
class FakePlatform {
    // Declared first: the references below point into it.
    Platform m_platform;
    QTemporaryDir m_dir;

public:
    FakePlatform();
    ~FakePlatform();

    FakeClock& clock;
    FakeMessages& messages;
    FakeModal& modal;
    FakeDesktop& desktop;
    FakeSound& sound;
    FakePrinting& printing;
    QString directory() const { return m_dir.path(); }
    QString archive() const;
};

// A card as the editor writes it, due on date ("dd/mm/yyyy").
TSchedaScadenza makeCard(const QString& date, const QString& notice = QStringLiteral("0"),
                         const QString& flag = flagPending, const QString& reason = QStringLiteral("Rata mutuo"));

// Writes the cards as the whole archive file at path.
void writeArchive(const QString& path, const QList<TSchedaScadenza>& cards);

// Reads the whole file at path.
QByteArray readBytes(const QString& path);
// Writes bytes as the whole file at path; a test that cannot stops there.
void writeBytes(const QString& path, const QByteArray& bytes);

// The names in folder, hidden ones included, in order.
QStringList filesIn(const QString& folder);

// True when a top-level window is still shown, as none may be after a test.
bool anyWindowShown();

}  // namespace memora::test
