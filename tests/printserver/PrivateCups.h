#pragma once
// A print server of the test's own: cupsd with its configuration, spool,
// logs and socket in a temporary folder, and cups-pdf queues that write into
// that folder. The machine's own server is never asked; the queues' cups-pdf
// configuration files in /etc/cups carry unique names and go again at the end.
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QStringList>
#include <QTemporaryDir>
#include <QThread>

#include <memory>

class PrivateCups {
public:
    static constexpr const char* Daemon = "/usr/sbin/cupsd";
    static constexpr const char* Backend = "/usr/lib/cups/backend/cups-pdf";
    static constexpr const char* PdfDriver = "/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd";
    static constexpr const char* BackendConfigFolder = "/etc/cups";

    ~PrivateCups() { stop(); }

    // Starts the server; an empty text on success, otherwise why it cannot run.
    QString start()
    {
        removeStaleConfigs();
        for (const char* path : {Daemon, Backend, PdfDriver, "/usr/sbin/lpadmin", "/usr/bin/lpstat"})
            if (!QFile::exists(QString::fromLatin1(path)))
                return QStringLiteral("%1 is missing (cups-daemon, cups-client, printer-driver-cups-pdf)").arg(path);
        if (!dir_.isValid())
            return QStringLiteral("no temporary folder");
        // cupsd runs its jobs as lp, which must reach the spool and output folders.
        QFile::setPermissions(dir_.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadGroup
                                               | QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther);
        for (const char* sub : {"conf", "spool", "cache", "state", "tmp", "log", "out", "pdfspool"}) {
            QDir(dir_.path()).mkpath(QString::fromLatin1(sub));
            if (QByteArray(sub) != "conf")
                QFile::setPermissions(path(sub), QFileDevice::Permissions(0x7777));
        }
        write("conf/cupsd.conf", QStringLiteral("Listen %1\nLogLevel info\nBrowsing Off\nDefaultAuthType None\nDirtyCleanInterval 0\n"
                                                "<Location />\nOrder allow,deny\nAllow all\n</Location>\n"
                                                "<Policy default>\n<Limit All>\nOrder allow,deny\nAllow all\n"
                                                "</Limit>\n</Policy>\n")
                                     .arg(socket()));
        write("conf/cups-files.conf",
              QStringLiteral("ServerRoot %1\nRequestRoot %2\nCacheDir %3\nStateDir %4\nTempDir %5\n"
                             "AccessLog %6/access_log\nErrorLog %6/error_log\nPageLog %6/page_log\n"
                             "Printcap %7\nServerBin /usr/lib/cups\nDataDir /usr/share/cups\n"
                             "User lp\nGroup lp\nSystemGroup root\nFileDevice No\n")
                  .arg(path("conf"), path("spool"), path("cache"), path("state"), path("tmp"), path("log"),
                       path("printcap")));
        daemon_ = std::make_unique<QProcess>();
        daemon_->setProcessChannelMode(QProcess::MergedChannels);
        daemon_->start(QString::fromLatin1(Daemon), {"-f", "-c", path("conf/cupsd.conf"), "-s", path("conf/cups-files.conf")});
        if (!daemon_->waitForStarted(5000))
            return QStringLiteral("cupsd does not start");
        QElapsedTimer waited;
        waited.start();
        while (run("lpstat", {"-r"}) != 0) {
            if (daemon_->state() != QProcess::Running || waited.elapsed() > 15000)
                return QStringLiteral("cupsd stopped or does not answer: ") + QString::fromLocal8Bit(daemon_->readAll());
            QThread::msleep(100);
        }
        return QString();
    }

    // Adds a cups-pdf queue writing into the output folder; its name, or empty.
    QString addPdfQueue(const QString& driver = QString::fromLatin1(PdfDriver))
    {
        const QString name = QStringLiteral("prentveltest%1x%2")
                                 .arg(QCoreApplication::applicationPid())
                                 .arg(QRandomGenerator::global()->bounded(1000000));
        const QString config = QStringLiteral("%1/cups-pdf-%2.conf").arg(QLatin1String(BackendConfigFolder), name);
        QFile file(config);
        if (!file.open(QIODevice::WriteOnly))
            return QString();
        configs_ << config;
        file.write(QStringLiteral("Out %1\nAnonDirName %1\nSpool %2\nLog %3\nUserUMask 0000\nAnonUMask 0000\n")
                       .arg(path("out"), path("pdfspool"), path("log"))
                       .toLocal8Bit());
        file.close();
        // The name in the device URI picks that configuration. A server that
        // has just started may answer before it takes new queues: try again a while.
        for (int attempt = 0; attempt < 50; ++attempt) {
            if (run("lpadmin", {"-p", name, "-E", "-v", "cups-pdf:/" + name, "-P", driver}) == 0)
                return name;
            QThread::msleep(200);
        }
        return QString();
    }

    // Removes the queue configurations of test programs that ended without
    // stop() (a crash leaves them in /etc/cups); a program still running keeps its own.
    static void removeStaleConfigs()
    {
        const QRegularExpression owner(QStringLiteral("^cups-pdf-prentveltest(\\d+)x\\d+\\.conf$"));
        const QDir folder(QString::fromLatin1(BackendConfigFolder));
        for (const QString& name : folder.entryList({"cups-pdf-prentveltest*.conf"}, QDir::Files)) {
            const auto match = owner.match(name);
            if (match.hasMatch() && !QFileInfo::exists(QStringLiteral("/proc/") + match.captured(1)))
                QFile::remove(folder.filePath(name));
        }
    }

    // A copy of the PDF driver that offers printing on both sides, as a
    // duplex printer's driver does; its path, or empty.
    QString duplexDriver() const
    {
        QFile driver(QString::fromLatin1(PdfDriver));
        QFile copy(path("duplex.ppd"));
        if (!driver.open(QIODevice::ReadOnly) || !copy.open(QIODevice::WriteOnly))
            return QString();
        copy.write(driver.readAll());
        copy.write("\n*OpenUI *Duplex/Beide zijden: PickOne\n*OrderDependency: 20 AnySetup *Duplex\n"
                   "*DefaultDuplex: None\n*Duplex None/Off: \"\"\n*Duplex DuplexNoTumble/Long Edge: \"\"\n"
                   "*Duplex DuplexTumble/Short Edge: \"\"\n*CloseUI: *Duplex\n");
        return copy.fileName();
    }

    // The attributes the server keeps of its last job (the job's control file in the spool), as bytes.
    QByteArray lastJobAttributes() const
    {
        const QDir spool(path("spool"));
        const QStringList files = spool.entryList({"c*"}, QDir::Files, QDir::Name);
        QFile file(files.isEmpty() ? QString() : spool.filePath(files.last()));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QString socket() const { return path("cups.sock"); }
    QString path(const char* sub) const { return dir_.filePath(QString::fromLatin1(sub)); }
    QString outputFolder() const { return path("out"); }

    // Waits until no job is left and gives the PDF files written since `before`.
    QStringList waitForOutput(const QStringList& before, int timeoutMs = 90000)
    {
        QElapsedTimer waited;
        waited.start();
        while (waited.elapsed() < timeoutMs) {
            QProcess lpstat;
            lpstat.setProcessEnvironment(environment());
            lpstat.start("lpstat", {"-o"});
            lpstat.waitForFinished(10000);
            QStringList now = QDir(outputFolder()).entryList({"*.pdf"}, QDir::Files, QDir::Name);
            for (const QString& old : before)
                now.removeAll(old);
            if (lpstat.readAll().trimmed().isEmpty() && !now.isEmpty())
                return now;
            QThread::msleep(200);
        }
        return {};
    }

    int run(const QString& program, const QStringList& arguments) const
    {
        QProcess process;
        process.setProcessEnvironment(environment());
        process.setProcessChannelMode(QProcess::MergedChannels);
        process.start(program, arguments);
        if (!process.waitForFinished(30000))
            return -1;
        return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    }

    QProcessEnvironment environment() const
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("CUPS_SERVER", socket());
        return env;
    }

    void stop()
    {
        if (daemon_ && daemon_->state() == QProcess::Running) {
            daemon_->terminate();
            if (!daemon_->waitForFinished(10000))
                daemon_->kill();
            daemon_->waitForFinished(5000);
        }
        daemon_.reset();
        for (const QString& config : configs_)
            QFile::remove(config);
        configs_.clear();
    }

private:
    void write(const char* sub, const QString& text) const
    {
        QFile file(path(sub));
        if (file.open(QIODevice::WriteOnly))
            file.write(text.toLocal8Bit());
    }

    QTemporaryDir dir_;
    std::unique_ptr<QProcess> daemon_;
    QStringList configs_;
};
