#include "CandumpLogger.h"
#include "VemorPlatform.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

class CandumpLoggerTest : public QObject {
    Q_OBJECT
private slots:
    void lineFormat_data();
    void lineFormat();
    void platformLogsBothDirections();
    void unwritableLogReportsFailure();
};

void CandumpLoggerTest::lineFormat_data()
{
    QTest::addColumn<qint64>("micros");
    QTest::addColumn<unsigned int>("id");
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<int>("len");
    QTest::addColumn<QByteArray>("line");
    const QByteArray sdo = QByteArray::fromHex("2301e64800000000");
    QTest::newRow("standard id, leading zeros in the fraction")
        << qint64(1700000000000042) << 0x605u << sdo << 8 << QByteArray("(1700000000.000042) can0 605#2301E64800000000\n");
    QTest::newRow("short id padded to three digits")
        << qint64(1000000) << 0x5u << QByteArray::fromHex("01") << 1 << QByteArray("(1.000000) can0 005#01\n");
    QTest::newRow("no data") << qint64(999999) << 0x465u << QByteArray() << 0 << QByteArray("(0.999999) can0 465#\n");
    QTest::newRow("extended id as eight digits")
        << qint64(2500000) << 0x1605u << QByteArray::fromHex("aa") << 1 << QByteArray("(2.500000) can0 00001605#AA\n");
    QTest::newRow("length above 8 cut to 8")
        << qint64(0) << 0x465u << QByteArray::fromHex("00112233445566778899") << 10
        << QByteArray("(0.000000) can0 465#0011223344556677\n");
}

void CandumpLoggerTest::lineFormat()
{
    QFETCH(qint64, micros);
    QFETCH(unsigned int, id);
    QFETCH(QByteArray, data);
    QFETCH(int, len);
    QFETCH(QByteArray, line);
    const auto* bytes = reinterpret_cast<const unsigned char*>(data.constData());
    QCOMPARE(CandumpLogger::formatLine(micros, QStringLiteral("can0"), id, bytes, static_cast<unsigned char>(len)),
             line);
}

void CandumpLoggerTest::platformLogsBothDirections()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("can.log"));
    VemorPlatform* platform = VemorPlatform::instance();
    QVERIFY(platform->setCandumpLog(path));
    const unsigned char rx[4] = {0x43, 0xE6, 0x48, 0x01};
    platform->receiveCanFrame(rx, 4);
    unsigned char tx[8] = {0x23, 0x00, 0x16, 0x01, 0xE6, 0x48, 0x00, 0x00};
    platform->transmitCan(0x1605, tx, 8);
    QVERIFY(platform->setCandumpLog(QString()));

    QFile f(path);
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = f.readAll().split('\n');
    QCOMPARE(lines.size(), 3);
    const QRegularExpression shape(QStringLiteral("^\\(\\d+\\.\\d{6}\\) can0 [0-9A-F]{3}#([0-9A-F]{2})*$"));
    QVERIFY2(shape.match(QString::fromLatin1(lines.at(0))).hasMatch(), lines.at(0).constData());
    QVERIFY(lines.at(0).endsWith(" can0 465#43E64801"));
    // The bus sees the identifier without the platform's transmit offset.
    QVERIFY2(lines.at(1).endsWith(" can0 605#23001601E6480000"), lines.at(1).constData());
}

void CandumpLoggerTest::unwritableLogReportsFailure()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    VemorPlatform* platform = VemorPlatform::instance();
    QVERIFY(!platform->setCandumpLog(dir.filePath(QStringLiteral("missing/folder/can.log"))));
    const unsigned char rx[1] = {1};
    platform->receiveCanFrame(rx, 1); // no crash, nothing written
    QVERIFY(platform->setCandumpLog(QString()));
}

QTEST_GUILESS_MAIN(CandumpLoggerTest)
#include "candumploggertest.moc"
