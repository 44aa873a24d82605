// motor.wav: 1.5 s of a helicopter engine's hum, synthesised: a low drone with
// its harmonics, the rotor's beat, a little deterministic noise, faded in and
// out. PCM 16-bit mono at 22050 Hz.
#include "pictures.h"

#include <QtMath>
#include <algorithm>
#include <cmath>

namespace {

constexpr int kRate = 22050;
constexpr int kSamples = kRate * 3 / 2;

void appendLittleEndian(QByteArray& bytes, quint32 value, int size)
{
    for (int i = 0; i < size; ++i)
        bytes.append(static_cast<char>((value >> (8 * i)) & 0xFF));
}

QByteArray waveHeader(quint32 dataSize)
{
    QByteArray header("RIFF");
    appendLittleEndian(header, 36 + dataSize, 4);
    header.append("WAVEfmt ");
    appendLittleEndian(header, 16, 4);    // format chunk size
    appendLittleEndian(header, 1, 2);     // PCM
    appendLittleEndian(header, 1, 2);     // mono
    appendLittleEndian(header, kRate, 4); // samples per second
    appendLittleEndian(header, kRate * 2, 4);
    appendLittleEndian(header, 2, 2);     // bytes per sample frame
    appendLittleEndian(header, 16, 2);    // bits per sample
    header.append("data");
    appendLittleEndian(header, dataSize, 4);
    return header;
}

} // namespace

void writeEngineSound(OutputFolder& out)
{
    QByteArray samples;
    quint32 noise = 12345;
    double smoothed = 0;
    for (int i = 0; i < kSamples; ++i) {
        const double t = double(i) / kRate;
        const double drone = std::sin(2 * M_PI * 55 * t) + 0.5 * std::sin(2 * M_PI * 110 * t + 0.3) +
                             0.25 * std::sin(2 * M_PI * 165 * t + 0.7) + 0.12 * std::sin(2 * M_PI * 220 * t);
        const double beat = 0.65 + 0.35 * std::sin(2 * M_PI * 11 * t);
        noise = noise * 1664525u + 1013904223u;
        smoothed += 0.08 * ((double(noise >> 8) / double(1 << 24)) * 2 - 1 - smoothed);
        const double fade = std::min({1.0, t / 0.15, (1.5 - t) / 0.25});
        const double value = fade * (0.22 * drone * beat + 0.35 * smoothed);
        appendLittleEndian(samples, quint32(qint16(std::lround(std::clamp(value, -1.0, 1.0) * 32000))) & 0xFFFF, 2);
    }
    out.writeBytes(QStringLiteral("motor.wav"), waveHeader(quint32(samples.size())) + samples);
}
