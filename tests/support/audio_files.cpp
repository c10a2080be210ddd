// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/audio_files.h"

#include <QBuffer>
#include <QByteArray>
#include <QFile>
#include <QImage>
#include <QVector>
#include <QtEndian>

#include <taglib/attachedpictureframe.h>
#include <taglib/fileref.h>
#include <taglib/flacfile.h>
#include <taglib/flacpicture.h>
#include <taglib/id3v2tag.h>
#include <taglib/mp4coverart.h>
#include <taglib/mp4file.h>
#include <taglib/mpegfile.h>
#include <taglib/opusfile.h>
#include <taglib/tpropertymap.h>
#include <taglib/vorbisfile.h>
#include <taglib/wavfile.h>
#include <taglib/xiphcomment.h>

namespace {

constexpr int LowRate = 8000;
constexpr int OpusRate = 48000;

// Little- and big-endian fields appended to a byte array.
void le16(QByteArray& out, quint32 v) {
    out.append(char(v & 0xFF)).append(char((v >> 8) & 0xFF));
}
void le32(QByteArray& out, quint32 v) {
    le16(out, v & 0xFFFF);
    le16(out, v >> 16);
}
void le64(QByteArray& out, quint64 v) {
    le32(out, quint32(v));
    le32(out, quint32(v >> 32));
}
void be16(QByteArray& out, quint32 v) {
    out.append(char((v >> 8) & 0xFF)).append(char(v & 0xFF));
}
void be24(QByteArray& out, quint32 v) {
    out.append(char((v >> 16) & 0xFF));
    be16(out, v & 0xFFFF);
}
void be32(QByteArray& out, quint32 v) {
    be16(out, v >> 16);
    be16(out, v & 0xFFFF);
}

bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// --- WAV: 8-bit mono PCM, whose silence is 0x80.
QByteArray wav(int seconds) {
    const quint32 samples = quint32(seconds) * LowRate;
    QByteArray out("RIFF");
    le32(out, 36 + samples);
    out.append("WAVEfmt ");
    le32(out, 16);
    le16(out, 1);  // PCM
    le16(out, 1);  // mono
    le32(out, LowRate);
    le32(out, LowRate);  // bytes a second
    le16(out, 1);        // bytes a sample frame
    le16(out, 8);        // bits a sample
    out.append("data");
    le32(out, samples);
    out.append(QByteArray(int(samples), char(0x80)));
    return out;
}

// --- MP3: MPEG-2 layer III frames at 8 kbit/s, 16 kHz, mono; all-zero
// side information and main data decode to silence.
QByteArray mp3(int seconds) {
    constexpr int FrameBytes = 36;  // 72 * 8000 / 16000
    constexpr int SamplesPerFrame = 576;
    constexpr int Rate = 16000;
    const int frames = seconds * Rate / SamplesPerFrame;
    QByteArray frame(FrameBytes, '\0');
    frame[0] = char(0xFF);
    frame[1] = char(0xF3);  // MPEG-2, layer III, no CRC
    frame[2] = char(0x18);  // 8 kbit/s, 16 kHz, no padding
    frame[3] = char(0xC0);  // mono
    return frame.repeated(frames);
}

// --- FLAC: 16-bit mono at 8 kHz in frames of one constant subframe.
quint8 crc8(const QByteArray& bytes) {
    quint8 crc = 0;
    for (char byte : bytes) {
        crc ^= quint8(byte);
        for (int bit = 0; bit < 8; ++bit) crc = quint8((crc & 0x80) ? (crc << 1) ^ 0x07 : crc << 1);
    }
    return crc;
}

quint16 crc16(const QByteArray& bytes) {
    quint16 crc = 0;
    for (char byte : bytes) {
        crc ^= quint16(quint8(byte) << 8);
        for (int bit = 0; bit < 8; ++bit)
            crc = quint16((crc & 0x8000) ? (crc << 1) ^ 0x8005 : crc << 1);
    }
    return crc;
}

// The frame number in FLAC's UTF-8-like coding (up to 2047 here).
void codedNumber(QByteArray& out, int number) {
    if (number < 0x80) {
        out.append(char(number));
    } else {
        out.append(char(0xC0 | (number >> 6)));
        out.append(char(0x80 | (number & 0x3F)));
    }
}

QByteArray flac(int seconds) {
    constexpr int BlockSize = 65535;
    const quint64 samples = quint64(seconds) * LowRate;
    QByteArray out("fLaC");
    out.append(char(0x80));  // the last metadata block: STREAMINFO, 34 bytes
    be24(out, 34);
    be16(out, BlockSize);
    be16(out, BlockSize);
    be24(out, 0);  // frame sizes unknown
    be24(out, 0);
    // 20 bits rate, 3 bits channels - 1, 5 bits bits - 1, 36 bits samples.
    const quint64 packed =
        (quint64(LowRate) << 44) | (quint64(0) << 41) | (quint64(15) << 36) | samples;
    be32(out, quint32(packed >> 32));
    be32(out, quint32(packed));
    out.append(QByteArray(16, '\0'));  // no MD5
    quint64 done = 0;
    for (int number = 0; done < samples; ++number) {
        const int block = int(std::min<quint64>(BlockSize, samples - done));
        QByteArray frame;
        be16(frame, 0xFFF8);       // sync, fixed block size
        frame.append(char(0x74));  // block size in 16 bits after the header, 8 kHz
        frame.append(char(0x08));  // mono, 16 bits a sample
        codedNumber(frame, number);
        be16(frame, quint32(block - 1));
        frame.append(char(crc8(frame)));
        frame.append(char(0x00));  // constant subframe
        be16(frame, 0);            // of value 0
        be16(frame, crc16(frame));
        out.append(frame);
        done += quint64(block);
    }
    return out;
}

// --- Ogg pages.
quint32 oggCrc(const QByteArray& page) {
    quint32 crc = 0;
    for (char byte : page) {
        crc ^= quint32(quint8(byte)) << 24;
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc & 0x80000000u) ? (crc << 1) ^ 0x04C11DB7u : crc << 1;
    }
    return crc;
}

class OggWriter {
  public:
    enum Flag { Begin = 2, End = 4 };
    // One page holding whole packets of less than 255 * 255 bytes.
    void page(int flags, quint64 granule, const QVector<QByteArray>& packets) {
        QByteArray lacing, body;
        for (const QByteArray& packet : packets) {
            int left = int(packet.size());
            while (left >= 255) {
                lacing.append(char(255));
                left -= 255;
            }
            lacing.append(char(left));
            body.append(packet);
        }
        QByteArray page("OggS");
        page.append(char(0));
        page.append(char(flags));
        le64(page, granule);
        le32(page, Serial);
        le32(page, sequence_++);
        le32(page, 0);  // the CRC, filled in below
        page.append(char(lacing.size()));
        page.append(lacing);
        page.append(body);
        const quint32 crc = oggCrc(page);
        qToLittleEndian(crc, page.data() + 22);
        out.append(page);
    }
    // Tiny audio packets, up to 255 a page, with the granule running on.
    void audio(const QByteArray& packet, int count, quint64 startGranule, int samplesPerPacket,
               quint64 lastGranule) {
        constexpr int PacketsPerPage = 255;
        quint64 granule = startGranule;
        for (int sent = 0; sent < count;) {
            const int now = std::min(PacketsPerPage, count - sent);
            sent += now;
            granule += quint64(now) * quint64(samplesPerPacket);
            const bool last = sent == count;
            page(last ? End : 0, last ? lastGranule : std::min(granule, lastGranule),
                 QVector<QByteArray>(now, packet));
        }
    }
    QByteArray out;

  private:
    static constexpr quint32 Serial = 0x51EE;
    quint32 sequence_ = 0;
};

QByteArray commentPacket(const QByteArray& magic) {
    const QByteArray vendor("sleevix tests");
    QByteArray packet(magic);
    le32(packet, quint32(vendor.size()));
    packet.append(vendor);
    le32(packet, 0);  // no comments yet
    return packet;
}

// Vorbis packs its setup header least significant bit first.
class BitWriter {
  public:
    void put(quint32 value, int bits) {
        for (int i = 0; i < bits; ++i, ++position_) {
            if (position_ % 8 == 0) bytes.append('\0');
            if ((value >> i) & 1)
                bytes[bytes.size() - 1] = char(bytes.back() | (1 << (position_ % 8)));
        }
    }
    QByteArray bytes;

  private:
    int position_ = 0;
};

// The smallest setup a decoder accepts: one two-entry codebook, a floor 1
// without partitions, an empty residue 0, one mapping and one short-block
// mode. Each audio packet of a single zero byte then decodes to silence.
QByteArray vorbisSetup() {
    BitWriter bits;
    bits.put(0, 8);          // one codebook
    bits.put(0x564342, 24);  // its sync pattern
    bits.put(1, 16);         // one dimension
    bits.put(2, 24);         // two entries
    bits.put(0, 1);          // not ordered
    bits.put(0, 1);          // not sparse
    bits.put(0, 5);          // entry lengths 1
    bits.put(0, 5);
    bits.put(0, 4);  // no lookup
    bits.put(0, 6);  // one time-domain placeholder
    bits.put(0, 16);
    bits.put(0, 6);  // one floor, type 1
    bits.put(1, 16);
    bits.put(0, 5);   // no partitions
    bits.put(0, 2);   // multiplier 1
    bits.put(10, 4);  // range bits
    bits.put(0, 6);   // one residue, type 0
    bits.put(0, 16);
    bits.put(0, 24);   // begin
    bits.put(0, 24);   // end
    bits.put(31, 24);  // partition size 32
    bits.put(0, 6);    // one classification
    bits.put(0, 8);    // classbook 0
    bits.put(0, 3);    // no cascade
    bits.put(0, 1);
    bits.put(0, 6);  // one mapping, type 0
    bits.put(0, 16);
    bits.put(0, 1);  // one submap
    bits.put(0, 1);  // no coupling
    bits.put(0, 2);  // reserved
    bits.put(0, 8);  // submap: time, floor 0, residue 0
    bits.put(0, 8);
    bits.put(0, 8);
    bits.put(0, 6);  // one mode: short blocks, mapping 0
    bits.put(0, 1);
    bits.put(0, 16);
    bits.put(0, 16);
    bits.put(0, 8);
    bits.put(1, 1);  // framing
    return QByteArray("\x05vorbis") + bits.bytes;
}

QByteArray oggVorbis(int seconds) {
    QByteArray identification("\x01vorbis");
    le32(identification, 0);  // version
    identification.append(char(1));
    le32(identification, LowRate);
    le32(identification, 0);
    le32(identification, 0);
    le32(identification, 0);
    identification.append(char(0xB8));  // blocks of 256 and 2048 samples
    identification.append(char(1));
    OggWriter ogg;
    ogg.page(OggWriter::Begin, 0, {identification});
    QByteArray comment = commentPacket("\x03vorbis");
    comment.append(char(1));  // framing
    ogg.page(0, 0, {comment, vorbisSetup()});
    constexpr int SamplesPerShortBlock = 128;
    const quint64 samples = quint64(seconds) * LowRate;
    const int packets = int(samples / SamplesPerShortBlock) + 1;
    ogg.audio(QByteArray(1, '\0'), packets, 0, SamplesPerShortBlock, samples);
    return ogg.out;
}

// --- Opus: 20 ms packets of a lone table-of-contents byte (an empty
// CELT frame, which a decoder conceals as silence).
QByteArray opus(int seconds) {
    constexpr int PreSkip = 312;
    constexpr int SamplesPerPacket = 960;
    QByteArray head("OpusHead");
    head.append(char(1));
    head.append(char(1));
    le16(head, PreSkip);
    le32(head, OpusRate);
    le16(head, 0);
    head.append(char(0));
    OggWriter ogg;
    ogg.page(OggWriter::Begin, 0, {head});
    ogg.page(0, 0, {commentPacket("OpusTags")});
    const quint64 samples = quint64(seconds) * OpusRate;
    const int packets = int((samples + PreSkip) / SamplesPerPacket) + 1;
    ogg.audio(QByteArray(1, char(0xF8)), packets, 0, SamplesPerPacket, samples + PreSkip);
    return ogg.out;
}

// --- M4A: an AAC track with no samples that declares its duration.
QByteArray atom(const char* type, const QByteArray& body) {
    QByteArray out;
    be32(out, quint32(8 + body.size()));
    out.append(type, 4);
    out.append(body);
    return out;
}

QByteArray fullAtom(const char* type, quint32 flags, const QByteArray& body) {
    QByteArray versioned;
    be32(versioned, flags);  // version 0
    return atom(type, versioned + body);
}

QByteArray unityMatrix() {
    QByteArray matrix;
    for (quint32 value : {0x10000u, 0u, 0u, 0u, 0x10000u, 0u, 0u, 0u, 0x40000000u})
        be32(matrix, value);
    return matrix;
}

QByteArray descriptor(quint8 tag, const QByteArray& body) {
    QByteArray out(1, char(tag));
    out.append(char(body.size()));
    out.append(body);
    return out;
}

QByteArray m4a(int seconds) {
    const quint32 duration = quint32(seconds) * LowRate;
    QByteArray ftyp("M4A ");
    be32(ftyp, 0);
    ftyp.append("M4A mp42isom");

    QByteArray mvhd;
    be32(mvhd, 0);
    be32(mvhd, 0);
    be32(mvhd, LowRate);
    be32(mvhd, duration);
    be32(mvhd, 0x10000);
    be16(mvhd, 0x100);
    mvhd.append(QByteArray(10, '\0'));
    mvhd.append(unityMatrix());
    mvhd.append(QByteArray(24, '\0'));
    be32(mvhd, 2);

    QByteArray tkhd;
    be32(tkhd, 0);
    be32(tkhd, 0);
    be32(tkhd, 1);
    be32(tkhd, 0);
    be32(tkhd, duration);
    tkhd.append(QByteArray(8, '\0'));
    be16(tkhd, 0);
    be16(tkhd, 0);
    be16(tkhd, 0x100);
    be16(tkhd, 0);
    tkhd.append(unityMatrix());
    be32(tkhd, 0);
    be32(tkhd, 0);

    QByteArray mdhd;
    be32(mdhd, 0);
    be32(mdhd, 0);
    be32(mdhd, LowRate);
    be32(mdhd, duration);
    be16(mdhd, 0x55C4);  // "und"
    be16(mdhd, 0);

    QByteArray hdlr;
    be32(hdlr, 0);
    hdlr.append("soun");
    hdlr.append(QByteArray(13, '\0'));

    // AAC LC, 8 kHz, mono: 00010 1011 0001 000.
    const QByteArray audioConfig("\x15\x88", 2);
    QByteArray decoderConfig(1, char(0x40));
    decoderConfig.append(char(0x15));
    be24(decoderConfig, 0);
    be32(decoderConfig, 0);
    be32(decoderConfig, 0);
    decoderConfig.append(descriptor(5, audioConfig));
    QByteArray es;
    be16(es, 1);
    es.append(char(0));
    es.append(descriptor(4, decoderConfig));
    es.append(descriptor(6, QByteArray(1, char(2))));
    QByteArray mp4a(6, '\0');
    be16(mp4a, 1);  // data reference
    mp4a.append(QByteArray(8, '\0'));
    be16(mp4a, 1);   // channels
    be16(mp4a, 16);  // bits
    be32(mp4a, 0);
    be32(mp4a, quint32(LowRate) << 16);
    mp4a.append(fullAtom("esds", 0, descriptor(3, es)));
    QByteArray stsd;
    be32(stsd, 1);
    stsd.append(atom("mp4a", mp4a));

    QByteArray noEntries;
    be32(noEntries, 0);
    QByteArray noSizes;
    be32(noSizes, 0);
    be32(noSizes, 0);
    const QByteArray stbl = fullAtom("stsd", 0, stsd) + fullAtom("stts", 0, noEntries) +
                            fullAtom("stsc", 0, noEntries) + fullAtom("stsz", 0, noSizes) +
                            fullAtom("stco", 0, noEntries);
    QByteArray dref;
    be32(dref, 1);
    dref.append(fullAtom("url ", 1, QByteArray()));
    QByteArray smhd;
    be32(smhd, 0);
    const QByteArray minf =
        atom("minf", fullAtom("smhd", 0, smhd) + atom("dinf", fullAtom("dref", 0, dref)) +
                         atom("stbl", stbl));
    const QByteArray mdia =
        atom("mdia", fullAtom("mdhd", 0, mdhd) + fullAtom("hdlr", 0, hdlr) + minf);
    const QByteArray trak = atom("trak", fullAtom("tkhd", 7, tkhd) + mdia);
    return atom("ftyp", ftyp) + atom("moov", fullAtom("mvhd", 0, mvhd) + trak) +
           atom("mdat", QByteArray());
}

// --- Tags.
TagLib::String taglibText(const QString& text) {
    return TagLib::String(text.toStdString(), TagLib::String::UTF8);
}

TagLib::ByteVector smallPng() {
    QImage image(4, 4, QImage::Format_RGB32);
    image.fill(Qt::darkRed);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return TagLib::ByteVector(bytes.constData(), unsigned(bytes.size()));
}

void addId3Picture(TagLib::ID3v2::Tag* tag) {
    auto* frame = new TagLib::ID3v2::AttachedPictureFrame;
    frame->setMimeType("image/png");
    frame->setType(TagLib::ID3v2::AttachedPictureFrame::FrontCover);
    frame->setPicture(smallPng());
    tag->addFrame(frame);
}

TagLib::FLAC::Picture* flacPicture() {
    auto* picture = new TagLib::FLAC::Picture;
    picture->setMimeType("image/png");
    picture->setType(TagLib::FLAC::Picture::FrontCover);
    picture->setData(smallPng());
    return picture;
}

bool embedPicture(const QString& path, AudioKind kind) {
    const QByteArray name = QFile::encodeName(path);
    switch (kind) {
        case AudioKind::Mp3: {
            TagLib::MPEG::File file(name.constData());
            addId3Picture(file.ID3v2Tag(true));
            return file.save();
        }
        case AudioKind::Wav: {
            TagLib::RIFF::WAV::File file(name.constData());
            addId3Picture(file.ID3v2Tag());
            return file.save();
        }
        case AudioKind::Flac: {
            TagLib::FLAC::File file(name.constData());
            file.addPicture(flacPicture());
            return file.save();
        }
        case AudioKind::OggVorbis: {
            TagLib::Ogg::Vorbis::File file(name.constData());
            file.tag()->addPicture(flacPicture());
            return file.save();
        }
        case AudioKind::Opus: {
            TagLib::Ogg::Opus::File file(name.constData());
            file.tag()->addPicture(flacPicture());
            return file.save();
        }
        case AudioKind::M4a: {
            TagLib::MP4::File file(name.constData());
            TagLib::MP4::CoverArtList covers;
            covers.append(TagLib::MP4::CoverArt(TagLib::MP4::CoverArt::PNG, smallPng()));
            file.tag()->setItem("covr", covers);
            return file.save();
        }
    }
    return false;
}

}  // namespace

QString ExtensionOf(AudioKind kind) {
    switch (kind) {
        case AudioKind::Mp3:
            return QStringLiteral("mp3");
        case AudioKind::Flac:
            return QStringLiteral("flac");
        case AudioKind::OggVorbis:
            return QStringLiteral("ogg");
        case AudioKind::Opus:
            return QStringLiteral("opus");
        case AudioKind::M4a:
            return QStringLiteral("m4a");
        case AudioKind::Wav:
            return QStringLiteral("wav");
    }
    return {};
}

void WriteSilentAudio(const QString& path, AudioKind kind, int seconds) {
    QByteArray bytes;
    switch (kind) {
        case AudioKind::Mp3:
            bytes = mp3(seconds);
            break;
        case AudioKind::Flac:
            bytes = flac(seconds);
            break;
        case AudioKind::OggVorbis:
            bytes = oggVorbis(seconds);
            break;
        case AudioKind::Opus:
            bytes = opus(seconds);
            break;
        case AudioKind::M4a:
            bytes = m4a(seconds);
            break;
        case AudioKind::Wav:
            bytes = wav(seconds);
            break;
    }
    writeFile(path, bytes);
}

bool WriteTags(const QString& path, AudioKind kind, const TrackTags& tags) {
    {
        TagLib::FileRef file(QFile::encodeName(path).constData());
        if (file.isNull()) return false;
        TagLib::PropertyMap properties;
        const std::pair<const char*, const QString&> fields[] = {
            {"TITLE", tags.title},
            {"ARTIST", tags.artist},
            {"ALBUMARTIST", tags.albumArtist},
            {"ALBUM", tags.album},
            {"TRACKNUMBER", tags.trackNumber},
            {"DISCNUMBER", tags.discNumber},
        };
        for (const auto& [key, value] : fields)
            if (!value.isEmpty()) properties.insert(key, TagLib::StringList(taglibText(value)));
        file.file()->setProperties(properties);
        if (!file.save()) return false;
    }
    return !tags.frontPicture || embedPicture(path, kind);
}
