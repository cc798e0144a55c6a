// A platform for tests: a fixed clock, a temporary program directory,
// scripted dialogs and recorders for the desktop, the sound and modal windows.
#pragma once

#include "archive/card_record.h"
#include "platform/platform.h"

#include <QList>
#include <QStringList>
#include <QTemporaryDir>

#include <functional>

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

}  // namespace memora::test
