// The platform of the running program: system clock, real dialogs, the
// desktop's open verb and Qt Multimedia for the alert. Printing, which needs
// the report engine's windows, is handed in from above.
#include "platform/platform.h"

#include <QAudioOutput>
#include <QCoreApplication>
#include <QDateTime>
#include <QDesktopServices>
#include <QDialog>
#include <QFileInfo>
#include <QMediaPlayer>
#include <QMessageBox>

namespace memora {

namespace {

class SystemClock : public Clock {
public:
    QDate today() const override { return QDate::currentDate(); }
    QTime now() const override { return QTime::currentTime(); }
};

class ExecutableDirectory : public ProgramDirectory {
public:
    QString path() const override { return QCoreApplication::applicationDirPath(); }
};

QMessageBox::Icon iconOf(MessageKind kind)
{
    switch (kind) {
    case MessageKind::Warning: return QMessageBox::Warning;
    case MessageKind::Information: return QMessageBox::Information;
    case MessageKind::Error: return QMessageBox::Critical;
    case MessageKind::Plain: break;
    }
    return QMessageBox::NoIcon;
}

class MessageBoxes : public Messages {
public:
    void show(QWidget* parent, MessageKind kind, const QString& text) override
    {
        const auto buttons = kind == MessageKind::Plain ? QMessageBox::Ok : QMessageBox::Ok | QMessageBox::Cancel;
        QMessageBox box(iconOf(kind), QCoreApplication::applicationName(), text, buttons, parent);
        box.exec();
    }
    bool ask(QWidget* parent, const QString& text) override
    {
        QMessageBox box(QMessageBox::Question, QCoreApplication::applicationName(), text,
                        QMessageBox::Yes | QMessageBox::No, parent);
        return box.exec() != QMessageBox::No;
    }
};

class ExecRunner : public ModalRunner {
public:
    void run(QDialog& dialog) override { dialog.exec(); }
};

class DesktopServices : public DesktopOpener {
public:
    void open(const QUrl& url) override { QDesktopServices::openUrl(url); }
};

class MediaPlayerSound : public AlertSound {
public:
    MediaPlayerSound() { m_player.setAudioOutput(&m_output); }
    bool load(const QString& path) override
    {
        m_player.stop();
        if (!QFileInfo(path).isFile()) {
            m_player.setSource(QUrl());
            return false;
        }
        m_player.setSource(QUrl::fromLocalFile(path));
        return true;
    }
    void play() override
    {
        m_player.setPosition(0);
        m_player.play();
    }
    void stop() override { m_player.stop(); }

private:
    QAudioOutput m_output;
    QMediaPlayer m_player;
};

}  // namespace

std::unique_ptr<Platform> makeSystemPlatform(std::unique_ptr<Printing> printing)
{
    auto platform = std::make_unique<Platform>();
    platform->clock = std::make_unique<SystemClock>();
    platform->directory = std::make_unique<ExecutableDirectory>();
    platform->messages = std::make_unique<MessageBoxes>();
    platform->modal = std::make_unique<ExecRunner>();
    platform->desktop = std::make_unique<DesktopServices>();
    platform->sound = std::make_unique<MediaPlayerSound>();
    platform->printing = std::move(printing);
    return platform;
}

}  // namespace memora
