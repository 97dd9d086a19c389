#include "media/QtMci.h"
#include "TestPlatform.h"

#include <QCoreApplication>
#include <QDataStream>
#include <QElapsedTimer>
#include <QThread>
#include <cmath>
#include "QtPrinters.h"
#include <gtest/gtest.h>

using namespace velin;

namespace {

// A short 16-bit mono PCM tone.
QByteArray ToneWav(int milliseconds)
{
    constexpr int kRate = 8000;
    const int samples = kRate * milliseconds / 1000;
    QByteArray data;
    QDataStream out(&data, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out.writeRawData("RIFF", 4);
    out << quint32(36 + samples * 2);
    out.writeRawData("WAVEfmt ", 8);
    out << quint32(16) << quint16(1) << quint16(1) << quint32(kRate) << quint32(kRate * 2) << quint16(2) << quint16(16);
    out.writeRawData("data", 4);
    out << quint32(samples * 2);
    for (int i = 0; i < samples; ++i)
        out << qint16(std::lround(8000 * std::sin(2 * M_PI * 440 * i / kRate)));
    return data;
}

} // namespace

TEST(QtMci, CommandsThatCannotWorkFailQuietly)
{
    test::TempFolder folder;
    QtMci mci;
    QString reply = QStringLiteral("old");
    EXPECT_NE(mci.SendString(QStringLiteral("status /no/such.wav mode"), reply), 0);
    EXPECT_EQ(reply, "");
    EXPECT_NE(mci.SendString(QStringLiteral("open "), reply), 0);
    EXPECT_NE(mci.SendString(QStringLiteral("play "), reply), 0);
    EXPECT_NE(mci.SendString(QStringLiteral("open ") + folder.File(QStringLiteral("gone.wav")), reply), 0);
    EXPECT_NE(mci.SendString(QStringLiteral("rewind everything"), reply), 0);
    EXPECT_EQ(mci.SendString(QStringLiteral("close all"), reply), 0);

    // An opened file is a device until everything is closed.
    const QString wav = folder.WriteBytes(QStringLiteral("a b.wav"), ToneWav(100));
    EXPECT_EQ(mci.SendString(QStringLiteral("open ") + wav, reply), 0);
    EXPECT_EQ(mci.SendString(QStringLiteral("status ") + wav + QStringLiteral(" mode"), reply), 0);
    EXPECT_EQ(reply, "stopped");
    EXPECT_EQ(mci.SendString(QStringLiteral("close all"), reply), 0);
    EXPECT_NE(mci.SendString(QStringLiteral("status ") + wav + QStringLiteral(" mode"), reply), 0);
    EXPECT_EQ(reply, "");
}

TEST(QtMci, PlaysAWavFileToItsEnd)
{
    test::TempFolder folder;
    const QString wav = folder.WriteBytes(QStringLiteral("tone.wav"), ToneWav(300));
    QtMci mci;
    QString reply;
    // "play" opens a file that was not opened first.
    ASSERT_EQ(mci.SendString(QStringLiteral("play ") + wav, reply), 0);

    const QString status = QStringLiteral("status ") + wav + QStringLiteral(" mode");
    QStringList seen;
    QElapsedTimer clock;
    clock.start();
    for (;;) {
        const long result = mci.SendString(status, reply);
        if (result == QtMci::kDeviceFailed)
            GTEST_SKIP() << "no multimedia backend can play WAV here";
        ASSERT_EQ(result, 0);
        if (seen.isEmpty() || seen.last() != reply)
            seen << reply;
        if (reply == QLatin1String("stopped"))
            break;
        ASSERT_LT(clock.elapsed(), 10000) << "still " << reply.toStdString() << " after ten seconds";
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(10);
    }
    EXPECT_EQ(seen, (QStringList{"playing", "stopped"}));
    EXPECT_EQ(mci.SendString(QStringLiteral("close all"), reply), 0);
}
