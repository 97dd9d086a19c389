// The default sounds and the opening picture: what the tools make, in the
// form the media layer and the opening form expect.
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtEndian>
#include <gtest/gtest.h>

namespace {

const QString kData = QStringLiteral(VELIN_DATA_DIR);

QByteArray Bytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

int RunTool(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedChannels);
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit)
        return -1;
    return process.exitCode();
}

struct Wave {
    quint16 format = 0;
    quint16 channels = 0;
    quint32 rate = 0;
    quint16 bits = 0;
    std::vector<qint16> samples;
    double Seconds() const { return rate ? static_cast<double>(samples.size()) / rate : 0.0; }
};

// The canonical 44-byte header that the tool writes, checked field by field.
std::optional<Wave> ReadWave(const QByteArray& b)
{
    if (b.size() < 44 || !b.startsWith("RIFF") || b.mid(8, 8) != "WAVEfmt " || b.mid(36, 4) != "data")
        return std::nullopt;
    const auto* p = reinterpret_cast<const uchar*>(b.constData());
    Wave w;
    w.format = qFromLittleEndian<quint16>(p + 20);
    w.channels = qFromLittleEndian<quint16>(p + 22);
    w.rate = qFromLittleEndian<quint32>(p + 24);
    w.bits = qFromLittleEndian<quint16>(p + 34);
    const quint32 dataBytes = qFromLittleEndian<quint32>(p + 40);
    if (qFromLittleEndian<quint32>(p + 4) != b.size() - 8u || dataBytes != b.size() - 44u)
        return std::nullopt;
    for (quint32 i = 0; i + 1 < dataBytes; i += 2)
        w.samples.push_back(qFromLittleEndian<qint16>(p + 44 + i));
    return w;
}

// Width and height from a PNG's IHDR chunk.
std::pair<int, int> PngSize(const QByteArray& b)
{
    if (b.size() < 24 || !b.startsWith("\x89PNG\r\n\x1a\n") || b.mid(12, 4) != "IHDR")
        return {0, 0};
    const auto* p = reinterpret_cast<const uchar*>(b.constData());
    return {static_cast<int>(qFromBigEndian<quint32>(p + 16)), static_cast<int>(qFromBigEndian<quint32>(p + 20))};
}

} // namespace

TEST(DefaultSounds, TenCleanPcmFilesOfTheRightLengths)
{
    struct Expect {
        const char* name;
        double minSeconds;
        double maxSeconds;
    };
    const Expect sounds[] = {
        {"opening.wav", 1.5, 2.5},   {"bgm.wav", 10.0, 20.0}, {"start.wav", 0.1, 1.0},     {"end.wav", 1.0, 2.0},
        {"stop.wav", 0.1, 1.0},      {"entry.wav", 0.1, 1.0}, {"function.wav", 0.05, 0.5}, {"correct.wav", 0.8, 2.5},
        {"uncorrect.wav", 0.4, 2.0}, {"error.wav", 0.1, 1.0},
    };
    qint64 total = 0;
    for (const Expect& e : sounds) {
        SCOPED_TRACE(e.name);
        const QByteArray bytes = Bytes(kData + QStringLiteral("/Sound/") + QLatin1String(e.name));
        total += bytes.size();
        const std::optional<Wave> w = ReadWave(bytes);
        ASSERT_TRUE(w.has_value());
        EXPECT_EQ(w->format, 1);
        EXPECT_EQ(w->channels, 1);
        EXPECT_EQ(w->bits, 16);
        EXPECT_EQ(w->rate, 22050u);
        EXPECT_GE(w->Seconds(), e.minSeconds);
        EXPECT_LE(w->Seconds(), e.maxSeconds);
        int peak = 0;
        for (qint16 s : w->samples)
            peak = std::max(peak, std::abs(static_cast<int>(s)));
        EXPECT_GT(peak, 8000) << "too quiet";
        EXPECT_LT(peak, 32000) << "clipped";
        // Silence at both ends: no click when a sound starts, is cut off by
        // "close all", or when the background tune starts over.
        EXPECT_LE(std::abs(w->samples.front()), 64);
        for (std::size_t i = 1; i <= 3; ++i)
            EXPECT_LE(std::abs(w->samples[w->samples.size() - i]), 64);
    }
    EXPECT_LT(total, 2 * 1024 * 1024);
}

TEST(DefaultSounds, CommittedFilesAreWhatTheToolMakes)
{
    QTemporaryDir out;
    ASSERT_EQ(RunTool(QStringLiteral(VELIN_MAKE_SOUNDS), {out.path()}), 0);
    const QStringList made = QDir(out.path()).entryList(QDir::Files, QDir::Name);
    EXPECT_EQ(made.join(u' ').toStdString(),
              QDir(kData + QStringLiteral("/Sound")).entryList(QDir::Files, QDir::Name).join(u' ').toStdString());
    for (const QString& name : made) {
        SCOPED_TRACE(name.toStdString());
        const QByteArray fresh = Bytes(QDir(out.path()).filePath(name));
        const QByteArray stored = Bytes(kData + QStringLiteral("/Sound/") + name);
        ASSERT_EQ(fresh.size(), stored.size());
        ASSERT_EQ(fresh.left(44), stored.left(44));
        // A different compiler may round the odd sample the other way.
        const std::optional<Wave> a = ReadWave(fresh);
        const std::optional<Wave> b = ReadWave(stored);
        ASSERT_TRUE(a && b);
        int worst = 0;
        for (std::size_t i = 0; i < a->samples.size(); ++i)
            worst = std::max(worst, std::abs(a->samples[i] - b->samples[i]));
        EXPECT_LE(worst, 1);
    }
}

TEST(OpeningPicture, TwentyFivePiecesAtTwiceTheirShownSize)
{
    // Each piece is shown 280 x 280 twips, 19 pixels at 15 twips a pixel;
    // it is stored at 38 so that it stays sharp on denser screens.
    for (int n = 0; n < 25; ++n) {
        const QString name = QStringLiteral("snake%1.png").arg(n, 2, 10, QLatin1Char('0'));
        const auto [w, h] = PngSize(Bytes(kData + QStringLiteral("/Opening/") + name));
        EXPECT_EQ(w, 38) << name.toStdString();
        EXPECT_EQ(h, 38) << name.toStdString();
    }
    const auto [w, h] = PngSize(Bytes(kData + QStringLiteral("/Opening/snake.png")));
    EXPECT_EQ(w, 190);
    EXPECT_EQ(h, 190);
}

TEST(OpeningPicture, CommittedPiecesAreWhatTheArtMakes)
{
    EXPECT_EQ(
        RunTool(QStringLiteral(VELIN_MAKE_OPENING), {kData + QStringLiteral("/art/opening.txt"),
                                                     kData + QStringLiteral("/Opening"), QStringLiteral("--check")}),
        0);
    // And the check does fail on a picture that is not the art's.
    QTemporaryDir copy;
    for (const QString& name : QDir(kData + QStringLiteral("/Opening")).entryList(QDir::Files))
        QFile::copy(kData + QStringLiteral("/Opening/") + name, copy.filePath(name));
    QFile::remove(copy.filePath(QStringLiteral("snake12.png")));
    QFile::copy(kData + QStringLiteral("/Opening/snake00.png"), copy.filePath(QStringLiteral("snake12.png")));
    EXPECT_EQ(RunTool(QStringLiteral(VELIN_MAKE_OPENING),
                      {kData + QStringLiteral("/art/opening.txt"), copy.path(), QStringLiteral("--check")}),
              1);
}
