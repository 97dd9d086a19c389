// velin-make-sounds OUTPUT_FOLDER
// Synthesises the game's default sounds as 16-bit mono PCM WAV files at
// 22050 Hz: nine short event sounds and a looping background tune. Every
// note rises from silence and dies away to silence within its own length,
// so no file starts or ends with a click, and the background tune can be
// restarted over and over without one.
//
//   velin-make-sounds data/Sound
#include <QCoreApplication>
#include <QDir>
#include <QSaveFile>
#include <QtEndian>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

namespace {

constexpr int kRate = 22050;
constexpr double kPi = 3.14159265358979323846;

// A timbre: harmonic weights over a smooth attack and an exponential decay.
struct Voice {
    std::vector<double> harmonics; // weight of the 1st, 2nd, ... harmonic
    double attack = 0.005;         // seconds to full level
    double decay = 0.5;            // seconds for the level to fall to 1/e
    double vibrato = 0.0;          // depth in semitones, at 5.5 Hz
};

// A music box / marimba like bell, a soft round bass, a brass-like fanfare
// voice and a buzzer made of odd harmonics.
const Voice kBell{{1.0, 0.35, 0.12, 0.05}, 0.004, 0.45};
const Voice kSoftBell{{1.0, 0.25, 0.06}, 0.012, 0.7};
const Voice kBass{{1.0, 0.3, 0.08}, 0.02, 1.1};
const Voice kBrass{{1.0, 0.6, 0.4, 0.25, 0.12}, 0.03, 2.5, 0.12};
const Voice kBuzz{{1.0, 0.0, 0.45, 0.0, 0.3, 0.0, 0.2}, 0.01, 3.0};
const Voice kBlip{{1.0, 0.15}, 0.002, 0.04};

double Frequency(int midiNote)
{
    return 440.0 * std::pow(2.0, (midiNote - 69) / 12.0);
}

class Track {
public:
    explicit Track(double seconds) : samples_(static_cast<std::size_t>(std::lround(seconds * kRate)), 0.0) {}

    // One note from `start` for `length` seconds. The last 40 ms (or a
    // quarter of a short note) follow a half cosine down to exact silence.
    void Note(double start, double length, int midiNote, double level, const Voice& voice)
    {
        const double f = Frequency(midiNote);
        const std::size_t first = static_cast<std::size_t>(std::lround(start * kRate));
        const std::size_t count = static_cast<std::size_t>(std::lround(length * kRate));
        const double release = std::min(0.04, length / 4);
        double phase = 0.0;
        for (std::size_t i = 0; i < count && first + i < samples_.size(); ++i) {
            const double t = static_cast<double>(i) / kRate;
            double envelope = std::min(1.0, t / voice.attack) * std::exp(-t / voice.decay);
            const double left = length - t;
            if (left < release)
                envelope *= 0.5 - 0.5 * std::cos(kPi * left / release);
            // Vibrato bends the phase increment rather than the phase, so the
            // waveform stays continuous.
            const double bend = voice.vibrato * std::sin(2 * kPi * 5.5 * t) * std::min(1.0, t / 0.2);
            phase += 2 * kPi * f * std::pow(2.0, bend / 12.0) / kRate;
            double wave = 0.0;
            for (std::size_t h = 0; h < voice.harmonics.size(); ++h)
                wave += voice.harmonics[h] * std::sin(phase * static_cast<double>(h + 1));
            samples_[first + i] += level * envelope * wave;
        }
    }

    // 16-bit samples scaled so that the loudest one reaches `peak` of full scale.
    std::vector<int16_t> Render(double peak) const
    {
        double loudest = 1e-9;
        for (double s : samples_)
            loudest = std::max(loudest, std::abs(s));
        std::vector<int16_t> out;
        out.reserve(samples_.size());
        for (double s : samples_)
            out.push_back(static_cast<int16_t>(std::lround(std::clamp(s / loudest * peak, -1.0, 1.0) * 32767.0)));
        return out;
    }

private:
    std::vector<double> samples_;
};

QByteArray Wav(const std::vector<int16_t>& samples)
{
    const quint32 dataBytes = static_cast<quint32>(samples.size() * 2);
    QByteArray bytes;
    auto put32 = [&bytes](quint32 v) {
        char b[4];
        qToLittleEndian(v, b);
        bytes.append(b, 4);
    };
    auto put16 = [&bytes](quint16 v) {
        char b[2];
        qToLittleEndian(v, b);
        bytes.append(b, 2);
    };
    bytes.append("RIFF");
    put32(36 + dataBytes);
    bytes.append("WAVEfmt ");
    put32(16);
    put16(1); // PCM
    put16(1); // mono
    put32(kRate);
    put32(kRate * 2);
    put16(2);
    put16(16);
    bytes.append("data");
    put32(dataBytes);
    for (int16_t s : samples)
        put16(static_cast<quint16>(s));
    return bytes;
}

// Note numbers (MIDI). The tunes keep to the yo scale on D (D E G A B), with
// F sharp only in the fanfare's major chord.
enum : int {
    A2 = 45,
    B2 = 47,
    D3 = 50,
    E3 = 52,
    G2 = 43,
    A4 = 69,
    B4 = 71,
    D5 = 74,
    E5 = 76,
    Fs5 = 78,
    G5 = 79,
    A5 = 81,
    B5 = 83,
    D6 = 86,
    E6 = 88,
    A6 = 93
};

Track Opening()
{
    Track t(2.0);
    const int rise[] = {D5, E5, G5, A5, B5, D6};
    for (int i = 0; i < 6; ++i)
        t.Note(0.11 * i, 0.5, rise[i], 0.6, kBell);
    for (int note : {D5, A5, D6})
        t.Note(0.72, 1.28, note, 0.45, kSoftBell);
    t.Note(0.72, 1.28, D3, 0.5, kBass);
    return t;
}

// Eight bars at 120 beats a minute: sixteen seconds of a gentle tune in the
// yo scale over a slow bass, every note finished before the loop point.
Track Bgm()
{
    constexpr double beat = 0.5;
    Track t(32 * beat);
    struct N {
        double at, beats;
        int note;
    };
    const N melody[] = {
        {0, 1, D5},     {1, 0.5, E5},    {1.5, 0.5, G5}, {2, 1, A5},      {3, 1, G5},     {4, 1, E5},      {5, 0.5, D5},
        {5.5, 0.5, E5}, {6, 2, B4},      {8, 1, D5},     {9, 0.5, E5},    {9.5, 0.5, G5}, {10, 1, A5},     {11, 1, B5},
        {12, 1.5, A5},  {13.5, 0.5, G5}, {14, 2, E5},    {16, 1, B5},     {17, 0.5, D6},  {17.5, 0.5, B5}, {18, 1, A5},
        {19, 1, G5},    {20, 1, A5},     {21, 0.5, G5},  {21.5, 0.5, E5}, {22, 2, D5},    {24, 1, E5},     {25, 1, G5},
        {26, 0.5, A5},  {26.5, 0.5, G5}, {27, 1, E5},    {28, 1, D5},     {29, 1, B4},    {30, 1.5, D5},
    };
    for (const N& n : melody)
        t.Note(n.at * beat, n.beats * beat, n.note, 0.5, kSoftBell);
    const int roots[] = {D3, B2, G2, A2, G2, D3, E3, D3};
    for (int bar = 0; bar < 8; ++bar)
        for (int half = 0; half < 2; ++half) {
            const double at = (bar * 4 + half * 2) * beat;
            t.Note(at, 1.8 * beat, roots[bar], 0.35, kBass);
            // a light pluck of the fifth and the octave on the off beat
            t.Note(at + beat, 0.8 * beat, roots[bar] + 19, 0.12, kBell);
            t.Note(at + beat, 0.8 * beat, roots[bar] + 24, 0.10, kBell);
        }
    return t;
}

Track Start()
{
    Track t(0.5);
    t.Note(0.0, 0.2, G5, 0.6, kBell);
    t.Note(0.1, 0.4, D6, 0.6, kBell);
    return t;
}

Track End()
{
    Track t(1.5);
    const int fall[] = {D6, B5, A5, G5, E5};
    for (int i = 0; i < 5; ++i)
        t.Note(0.12 * i, 0.4, fall[i], 0.55, kBell);
    t.Note(0.6, 0.9, D5, 0.5, kSoftBell);
    t.Note(0.6, 0.9, A4, 0.35, kSoftBell);
    t.Note(0.6, 0.9, D3, 0.4, kBass);
    return t;
}

Track Stop()
{
    Track t(0.4);
    t.Note(0.0, 0.18, A5, 0.5, kSoftBell);
    t.Note(0.13, 0.27, D5, 0.5, kSoftBell);
    return t;
}

Track Entry()
{
    Track t(0.35);
    t.Note(0.0, 0.14, B5, 0.55, kBell);
    t.Note(0.09, 0.26, E6, 0.55, kBell);
    return t;
}

Track Function()
{
    Track t(0.12);
    t.Note(0.0, 0.12, A6, 0.6, kBlip);
    return t;
}

Track Correct()
{
    Track t(1.6);
    for (int i = 0; i < 3; ++i)
        t.Note(0.13 * i, 0.12, A5, 0.5, kBrass);
    for (int note : {D5, Fs5, A5, D6})
        t.Note(0.4, 1.2, note, 0.3, kBrass);
    t.Note(0.4, 1.2, D3, 0.4, kBass);
    return t;
}

Track UnCorrect()
{
    Track t(0.9);
    t.Note(0.0, 0.35, G2 + 12, 0.5, kBuzz);
    t.Note(0.4, 0.5, D3, 0.5, kBuzz);
    return t;
}

Track Error()
{
    Track t(0.4);
    t.Note(0.0, 0.13, A5, 0.5, kBuzz);
    t.Note(0.19, 0.13, A5, 0.5, kBuzz);
    return t;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 2) {
        std::fprintf(stderr, "usage: velin-make-sounds OUTPUT_FOLDER\n");
        return 2;
    }
    const QDir out(args.at(1));
    if (!QDir().mkpath(out.path())) {
        std::fprintf(stderr, "velin-make-sounds: cannot create %s\n", qPrintable(out.path()));
        return 1;
    }
    struct Sound {
        const char* name;
        Track (*make)();
        double peak;
    };
    // Event sounds in the order of the settings file; the background tune is
    // kept quieter than the rest.
    const Sound sounds[] = {
        {"opening.wav", Opening, 0.7},   {"bgm.wav", Bgm, 0.5},         {"start.wav", Start, 0.7},
        {"end.wav", End, 0.7},           {"stop.wav", Stop, 0.6},       {"entry.wav", Entry, 0.6},
        {"function.wav", Function, 0.5}, {"correct.wav", Correct, 0.7}, {"uncorrect.wav", UnCorrect, 0.6},
        {"error.wav", Error, 0.6},
    };
    for (const Sound& sound : sounds) {
        const QString path = out.filePath(QString::fromLatin1(sound.name));
        QSaveFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(Wav(sound.make().Render(sound.peak))) < 0 ||
            !file.commit()) {
            std::fprintf(stderr, "velin-make-sounds: cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    std::printf("10 sounds written to %s\n", qPrintable(out.path()));
    return 0;
}
