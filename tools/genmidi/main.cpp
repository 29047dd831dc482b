// Writes the two tunes of the About and help windows as standard MIDI files
// (format 1, General MIDI): genmidi <about tune> <help tune>
//
// Both tunes are composed here: a melody, a bass line, a drum part and, for
// the help window, a soft string pad. Plain C++, no Qt.

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <iostream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

constexpr int ticksPerQuarter = 480;
constexpr int ticksPerBar = 4 * ticksPerQuarter;
constexpr int drumChannel = 9;

// General MIDI drum keys.
constexpr int kick = 36;
constexpr int sideStick = 37;
constexpr int snare = 38;
constexpr int closedHiHat = 42;
constexpr int crash = 49;
constexpr int ride = 51;

struct Event
{
    int tick;
    int order; // note-offs before everything else at the same tick
    std::vector<std::uint8_t> bytes;
};

// One track's events, encoded with delta times on output.
class Track
{
public:
    void meta(int tick, std::uint8_t type, const std::vector<std::uint8_t> &data)
    {
        std::vector<std::uint8_t> bytes{0xFF, type};
        appendLength(bytes, data.size());
        bytes.insert(bytes.end(), data.begin(), data.end());
        m_events.push_back({tick, 1, bytes});
    }

    void name(const std::string &text)
    {
        meta(0, 0x03, std::vector<std::uint8_t>(text.begin(), text.end()));
    }

    void program(int channel, int program)
    {
        m_events.push_back({0, 1, {std::uint8_t(0xC0 | channel), std::uint8_t(program)}});
    }

    void controller(int channel, int number, int value)
    {
        m_events.push_back({0, 1, {std::uint8_t(0xB0 | channel), std::uint8_t(number),
                                   std::uint8_t(value)}});
    }

    void note(int tick, int channel, int key, int velocity, int length)
    {
        m_events.push_back({tick, 2, {std::uint8_t(0x90 | channel), std::uint8_t(key),
                                      std::uint8_t(velocity)}});
        m_events.push_back({tick + length, 0, {std::uint8_t(0x80 | channel),
                                               std::uint8_t(key), 0}});
    }

    std::vector<std::uint8_t> chunk() const
    {
        std::vector<Event> events = m_events;
        std::stable_sort(events.begin(), events.end(), [](const Event &a, const Event &b) {
            return a.tick != b.tick ? a.tick < b.tick : a.order < b.order;
        });
        std::vector<std::uint8_t> body;
        int last = 0;
        for (const Event &event : events) {
            appendLength(body, std::size_t(event.tick - last));
            body.insert(body.end(), event.bytes.begin(), event.bytes.end());
            last = event.tick;
        }
        appendLength(body, 0);
        body.insert(body.end(), {0xFF, 0x2F, 0x00}); // end of track

        std::vector<std::uint8_t> chunk{'M', 'T', 'r', 'k'};
        appendBigEndian(chunk, body.size(), 4);
        chunk.insert(chunk.end(), body.begin(), body.end());
        return chunk;
    }

    static void appendBigEndian(std::vector<std::uint8_t> &out, std::size_t value, int bytes)
    {
        for (int i = bytes - 1; i >= 0; --i)
            out.push_back(std::uint8_t((value >> (8 * i)) & 0xFF));
    }

private:
    static void appendLength(std::vector<std::uint8_t> &out, std::size_t value)
    {
        std::uint8_t groups[5];
        int count = 0;
        do {
            groups[count++] = std::uint8_t(value & 0x7F);
            value >>= 7;
        } while (value != 0);
        while (count > 1)
            out.push_back(std::uint8_t(groups[--count] | 0x80));
        out.push_back(groups[0]);
    }

    std::vector<Event> m_events;
};

// "c5" -> 72, "f#4" -> 66 (middle C is c4 = 60).
int keyOf(const std::string &name)
{
    static const std::string letters = "c d ef g a b";
    const std::size_t pitchClass = letters.find(name.at(0));
    if (pitchClass == std::string::npos || name.at(0) == ' ')
        throw std::invalid_argument("bad note " + name);
    std::size_t pos = 1;
    int key = int(pitchClass);
    if (name.at(pos) == '#') {
        ++key;
        ++pos;
    }
    const int octave = std::stoi(name.substr(pos));
    return 12 * (octave + 1) + key;
}

// Length of "4" (quarter), "8" (eighth), "2." (dotted half) and so on.
int ticksOf(const std::string &length)
{
    const bool dotted = !length.empty() && length.back() == '.';
    const int division = std::stoi(dotted ? length.substr(0, length.size() - 1) : length);
    const int ticks = 4 * ticksPerQuarter / division;
    return dotted ? ticks * 3 / 2 : ticks;
}

// Writes a line like "e5:8 g5:8 c6:4 r:4" from the given tick on and returns
// the tick after its last note. Notes sound a little shorter than written.
int melody(Track &track, int channel, int tick, const std::string &line, int velocity)
{
    std::istringstream words(line);
    std::string word;
    while (words >> word) {
        const std::size_t colon = word.find(':');
        const int length = ticksOf(word.substr(colon + 1));
        const std::string pitch = word.substr(0, colon);
        if (pitch != "r")
            track.note(tick, channel, keyOf(pitch), velocity, length * 9 / 10);
        tick += length;
    }
    return tick;
}

struct Chord
{
    std::string root; // bass root, e.g. "c3"
    bool minor;
};

std::vector<std::uint8_t> tempoData(int beatsPerMinute)
{
    std::vector<std::uint8_t> data;
    Track::appendBigEndian(data, std::size_t(60000000 / beatsPerMinute), 3);
    return data;
}

Track conductor(const std::string &title, int beatsPerMinute)
{
    Track track;
    track.name(title);
    track.meta(0, 0x58, {4, 2, 24, 8}); // 4/4
    track.meta(0, 0x51, tempoData(beatsPerMinute));
    return track;
}

void writeFile(const std::string &path, const std::vector<Track> &tracks)
{
    std::vector<std::uint8_t> bytes{'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 1};
    Track::appendBigEndian(bytes, tracks.size(), 2);
    Track::appendBigEndian(bytes, ticksPerQuarter, 2);
    for (const Track &track : tracks) {
        const std::vector<std::uint8_t> chunk = track.chunk();
        bytes.insert(bytes.end(), chunk.begin(), chunk.end());
    }
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char *>(bytes.data()), std::streamsize(bytes.size()));
    out.close();
    if (!out)
        throw std::runtime_error("cannot write " + path);
}

// The About window's tune: bright and bouncy, C major, 120 beats a minute,
// twelve bars (24 s).
std::vector<Track> aboutTune()
{
    const std::vector<std::string> tune = {
        "e5:8 g5:8 c6:4 g5:8 e5:8 c5:4",
        "d5:8 g5:8 b5:4 a5:8 g5:8 d5:4",
        "c5:8 e5:8 a5:4 g5:8 e5:8 c5:4",
        "f5:4 a5:4 c6:4. a5:8",
        "g5:4 e5:8 g5:8 c6:8 b5:8 a5:8 g5:8",
        "f5:8 e5:8 d5:8 e5:8 g5:2",
        "a5:8 c6:8 a5:8 f5:8 c5:4 f5:4",
        "g5:4. f5:8 e5:4 d5:4",
        "c5:8 e5:8 a5:8 c6:8 b5:4 a5:4",
        "a5:8 g5:8 f5:8 a5:8 c6:2",
        "b5:8 c6:8 d6:8 b5:8 g5:4 b5:4",
        "c6:2. r:4",
    };
    const std::vector<Chord> chords = {
        {"c3", false}, {"g2", false}, {"a2", true}, {"f2", false},
        {"c3", false}, {"g2", false}, {"f2", false}, {"g2", false},
        {"a2", true},  {"f2", false}, {"g2", false}, {"c3", false},
    };

    Track lead;
    lead.name("Melodie");
    lead.program(0, 80); // square lead
    lead.controller(0, 7, 92);
    lead.controller(0, 91, 40);
    Track bass;
    bass.name("Bass");
    bass.program(1, 33); // finger bass
    bass.controller(1, 7, 100);
    Track drums;
    drums.name("Schlagzeug");
    drums.controller(drumChannel, 7, 90);

    const int eighth = ticksPerQuarter / 2;
    const int bars = int(tune.size());
    for (int bar = 0; bar < bars; ++bar) {
        const int start = bar * ticksPerBar;
        melody(lead, 0, start, tune[bar], 100);

        const int root = keyOf(chords[bar].root);
        if (bar == bars - 1) {
            bass.note(start, 1, root, 105, ticksPerQuarter * 3);
            drums.note(start, drumChannel, kick, 110, eighth);
            drums.note(start, drumChannel, crash, 100, ticksPerQuarter * 2);
            continue;
        }
        // Root, root, fifth, root, octave, root, fifth, root: a bouncing eighth line.
        const int steps[8] = {0, 0, 7, 0, 12, 0, 7, 0};
        for (int i = 0; i < 8; ++i)
            bass.note(start + i * eighth, 1, root + steps[i], i % 2 == 0 ? 100 : 80,
                      eighth * 8 / 10);
        for (int beat = 0; beat < 4; ++beat) {
            const int at = start + beat * ticksPerQuarter;
            drums.note(at, drumChannel, beat % 2 == 0 ? kick : snare, beat % 2 == 0 ? 105 : 95,
                       eighth);
            drums.note(at, drumChannel, closedHiHat, 75, eighth / 2);
            drums.note(at + eighth, drumChannel, closedHiHat, 55, eighth / 2);
        }
        if (bar == 0 || bar == 8)
            drums.note(start, drumChannel, crash, 85, ticksPerQuarter * 2);
    }
    return {conductor("Zellforma Info", 120), lead, bass, drums};
}

// The help window's tune: quiet and thoughtful, A minor, 84 beats a minute,
// nine bars (about 26 s).
std::vector<Track> helpTune()
{
    const std::vector<std::string> tune = {
        "a4:4. c5:8 e5:2",
        "f5:4 e5:8 d5:8 c5:2",
        "e5:4. g5:8 c5:4 e5:4",
        "d5:2. r:4",
        "c5:8 d5:8 e5:4 a5:4 g5:8 e5:8",
        "f5:4. e5:8 d5:4 c5:4",
        "b4:4 d5:4 g5:4. f5:8",
        "e5:4. d5:8 b4:2",
        "a4:1",
    };
    // Bass root and the pad's three chord notes.
    struct PadChord
    {
        const char *root;
        const char *notes[3];
    };
    const std::vector<PadChord> chords = {
        {"a2", {"a3", "c4", "e4"}}, {"f2", {"a3", "c4", "f4"}}, {"c3", {"g3", "c4", "e4"}},
        {"g2", {"g3", "b3", "d4"}}, {"a2", {"a3", "c4", "e4"}}, {"f2", {"a3", "c4", "f4"}},
        {"g2", {"g3", "b3", "d4"}}, {"e2", {"g#3", "b3", "e4"}}, {"a2", {"a3", "c4", "e4"}},
    };

    Track lead;
    lead.name("Melodie");
    lead.program(0, 73); // flute
    lead.controller(0, 7, 96);
    lead.controller(0, 91, 70);
    Track pad;
    pad.name("Streicher");
    pad.program(1, 48); // string ensemble
    pad.controller(1, 7, 60);
    pad.controller(1, 91, 80);
    Track bass;
    bass.name("Bass");
    bass.program(2, 32); // acoustic bass
    bass.controller(2, 7, 100);
    Track drums;
    drums.name("Schlagzeug");
    drums.controller(drumChannel, 7, 70);

    const int half = 2 * ticksPerQuarter;
    const int bars = int(tune.size());
    for (int bar = 0; bar < bars; ++bar) {
        const int start = bar * ticksPerBar;
        melody(lead, 0, start, tune[bar], 85);
        for (const char *note : chords[bar].notes)
            pad.note(start, 1, keyOf(note), 55, ticksPerBar - 20);

        const int root = keyOf(chords[bar].root);
        if (bar == bars - 1) {
            bass.note(start, 2, root, 90, ticksPerBar);
            drums.note(start, drumChannel, kick, 70, ticksPerQuarter);
            drums.note(start, drumChannel, crash, 50, ticksPerBar);
            continue;
        }
        bass.note(start, 2, root, 90, half - 40);
        bass.note(start + half, 2, root + 7, 80, half - 40);
        for (int beat = 0; beat < 4; ++beat) {
            const int at = start + beat * ticksPerQuarter;
            drums.note(at, drumChannel, ride, beat == 0 ? 60 : 45, ticksPerQuarter / 2);
            if (beat == 0)
                drums.note(at, drumChannel, kick, 75, ticksPerQuarter / 2);
            if (beat == 2)
                drums.note(at, drumChannel, sideStick, 60, ticksPerQuarter / 2);
        }
    }
    return {conductor("Zellforma Hilfe", 84), lead, pad, bass, drums};
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 3) {
        std::cerr << "usage: genmidi <about tune> <help tune>\n";
        return 2;
    }
    try {
        writeFile(argv[1], aboutTune());
        writeFile(argv[2], helpTune());
    } catch (const std::exception &error) {
        std::cerr << "genmidi: " << error.what() << '\n';
        return 1;
    }
    return 0;
}
