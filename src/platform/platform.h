// The outside world behind small interfaces, collected in one Platform.
//
// main() installs the system's platform; tests install fakes. Nothing else in
// the program touches the clock, the program directory, dialogs, the desktop,
// sound or printers.
#pragma once

#include <QDate>
#include <QString>
#include <QTime>
#include <QUrl>

#include <memory>

class QDialog;
class QWidget;

namespace memora {

class Clock {
public:
    virtual ~Clock() = default;
    virtual QDate today() const = 0;
    virtual QTime now() const = 0;
};

// The directory of the running executable, where every file of the program lives.
class ProgramDirectory {
public:
    virtual ~ProgramDirectory() = default;
    virtual QString path() const = 0;
};

enum class MessageKind { Warning, Information, Error, Plain };

class Messages {
public:
    virtual ~Messages() = default;
    // Warning, information and error dialogs offer OK and Cancel, a plain one
    // OK; the answer is not used.
    virtual void show(QWidget* parent, MessageKind kind, const QString& text) = 0;
    // A Yes/No question; true unless the answer is No.
    virtual bool ask(QWidget* parent, const QString& text) = 0;
};

// Shows a window modally and returns when it has closed.
class ModalRunner {
public:
    virtual ~ModalRunner() = default;
    virtual void run(QDialog& dialog) = 0;
};

// The desktop's open verb; the result is not looked at.
class DesktopOpener {
public:
    virtual ~DesktopOpener() = default;
    virtual void open(const QUrl& url) = 0;
};

class AlertSound {
public:
    virtual ~AlertSound() = default;
    // Loads a sound file, replacing (and so stopping) the one loaded before.
    // False when the file is missing.
    virtual bool load(const QString& path) = 0;
    virtual void play() = 0;
    virtual void stop() = 0;
};

struct ReportDocument;

// Paper and the preview, for documents the report engine has laid out.
class Printing {
public:
    virtual ~Printing() = default;
    // Offers the print dialog (printer, copies) and prints the document
    // unless the user cancels there. Returns whether it was printed.
    virtual bool print(QWidget* parent, const ReportDocument& document) = 0;
    // Shows the document in the modal preview window, from which it can also
    // be printed; returns when the window has closed.
    virtual void preview(QWidget* parent, const ReportDocument& document) = 0;
};

struct Platform {
    std::unique_ptr<Clock> clock;
    std::unique_ptr<ProgramDirectory> directory;
    std::unique_ptr<Messages> messages;
    std::unique_ptr<ModalRunner> modal;
    std::unique_ptr<DesktopOpener> desktop;
    std::unique_ptr<AlertSound> sound;
    std::unique_ptr<Printing> printing;
};

// The installed platform. REQUIRES: installPlatform was called; the program
// stops with a message otherwise.
Platform& platform();
// Installs a platform; the caller keeps it alive while the program runs.
void installPlatform(Platform* platform);

// The system's own services, with printing, which the windows of the report
// engine provide (makeSystemPrinting in src/print).
std::unique_ptr<Platform> makeSystemPlatform(std::unique_ptr<Printing> printing);

// Shorthands used throughout the windows.
QDate today();
QString programDirectory();
QString archiveFile();

struct ScanResult;

// The one way a window tells the user that it could not open, read or write
// the archive: MsgArchivioInaccessibile at once, in a message box of kind. The
// card editor shows it as an error; the list windows, the search and the
// choice of a line in a summary or search in a plain box.
void reportArchiveFailure(QWidget* window, MessageKind kind);

// How a list window reports its scan: when result is incomplete (the archive
// could not be read to its end, or the list could not hold every card), it
// reports the archive failure in a plain box and changes nothing of what the
// window shows. The message is posted to window's event queue, so it comes
// once the window is on screen, over what it lists, even when the list was
// loaded while the window was being shown.
void reportIncompleteScan(QWidget* window, const ScanResult& result);

}  // namespace memora
