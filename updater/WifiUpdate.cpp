#include "updater/WifiUpdate.h"

#include "core/DevicePaths.h"
#include "updater/PskKeys.h"

#include <QDir>
#include <QFile>
#include <QFont>
#include <QFontDatabase>
#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRandomGenerator>
#include <QRect>
#include <QStandardPaths>
#include <QTime>

// Outside any namespace, as the resource initialiser requires.
static void initFieldLoaderResources()
{
    Q_INIT_RESOURCE(fieldloader);
}

namespace {
const QString workDirectory = QStringLiteral("/tmp/wifi_updater/");

// Copied as they are, in this order; the ready screen is drawn separately.
const char* const copiedResources[] = {
    "images/prepForUpdate.png",
    "images/installingUpdate.png",
    "images/updateFailed_noWifi.png",
    "images/updateFailed_checksum.png",
    "images/updateCompleate.png",
    "configs/udhcpd.conf",
    "scrips/startWifi.sh",
    "scrips/installUpdate.sh",
};

void ensureResources()
{
    // The resources live in a static library; without this call nothing
    // would pull them into the program.
    static bool done = false;
    if (!done) {
        initFieldLoaderResources();
        done = true;
    }
}

QString workPath(const QString& fileName)
{
    return DevicePaths::resolve(workDirectory + fileName);
}

bool renderReadyScreen(unsigned int code)
{
    QImage image(QStringLiteral(":/images/readyForUpdate.png"));
    if (image.isNull())
        return false;
    // QPainter cannot draw on palette images.
    if (image.format() == QImage::Format_Indexed8 || image.format() == QImage::Format_Mono
        || image.format() == QImage::Format_MonoLSB)
        image = image.convertToFormat(QImage::Format_RGB32);

    QPainter painter(&image);
    painter.setPen(Qt::white);
    painter.setFont(QFont(QStringLiteral("Source Sans Pro Semibold"), 50, 75, false));
    painter.drawText(QRect(QPoint(245, 131), QPoint(396, 187)), Qt::AlignCenter, codeText(code));
    painter.end();
    return image.save(workPath(QStringLiteral("readyForUpdate.png")));
}

bool copyResource(const QString& resource)
{
    const QString target = workPath(resource.section(QLatin1Char('/'), -1));
    if (QFile::exists(target))
        return true;
    if (!QFile::copy(QStringLiteral(":/") + resource, target))
        return false;
    // Copies of resources come out read-only; keep the work directory
    // removable and the files replaceable by hand.
    QFile::setPermissions(target, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup
                                      | QFileDevice::ReadOther);
    return true;
}
}

QString codeText(unsigned int code)
{
    return QString::number(code).rightJustified(4, QLatin1Char('0'));
}

QString ssidForCode(unsigned int code)
{
    return QStringLiteral("Lumora ") + codeText(code);
}

unsigned int randomCodeFromSeed(unsigned int seed)
{
    QRandomGenerator generator(seed);
    return generator.generate() % maxWifiUpdateCode;
}

unsigned int randomCode()
{
    const QTime now = QTime::currentTime();
    return randomCodeFromSeed(now.isValid() ? static_cast<unsigned int>(now.msecsSinceStartOfDay()) : 0u);
}

bool copyWifiUpdaterFilesToTmp(unsigned int code)
{
    if (code > maxWifiUpdateCode)
        return false;
    ensureResources();
    QDir().mkpath(DevicePaths::resolve(workDirectory));
    QFontDatabase::addApplicationFont(QStringLiteral(":/fonts/SourceSansPro-Semibold.otf"));

    bool ok = renderReadyScreen(code);
    for (const char* resource : copiedResources)
        ok = copyResource(QString::fromLatin1(resource)) && ok;
    return ok;
}

bool startWifiUpdate(unsigned int code)
{
    if (code > maxWifiUpdateCode)
        return false;
    const QString directory = DevicePaths::resolve(workDirectory);
    QDir().mkpath(directory);
    copyWifiUpdaterFilesToTmp(code);

    const QString shell = QStandardPaths::findExecutable(QStringLiteral("sh"));
    if (shell.isEmpty())
        return false;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    if (DevicePaths::root().isEmpty())
        environment.remove(QStringLiteral("NORDEL_DEVICE_ROOT"));
    else
        environment.insert(QStringLiteral("NORDEL_DEVICE_ROOT"), DevicePaths::root());

    QProcess process;
    process.setProgram(shell);
    process.setArguments({workPath(QStringLiteral("startWifi.sh")), ssidForCode(code), pskKeyForCode(code)});
    process.setProcessEnvironment(environment);
    return process.startDetached();
}
