// Writes the data files built into the resources under ":/data/" (see data/README.md):
// the default progression library and the number sets, from fixed seeds.
//
//   noxmkdata <output directory>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <set>
#include <string>
#include <vector>

namespace {

// SplitMix64: small, fast and the same on every platform.
class Random
{
public:
    explicit Random(uint64_t seed)
        : m_state(seed)
    {}
    uint64_t next()
    {
        uint64_t z = (m_state += 0x9e3779b97f4a7c15ULL);
        z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
        z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
        return z ^ (z >> 31);
    }
    /// Uniform in [0, n).
    int below(int n) { return static_cast<int>(next() % static_cast<uint64_t>(n)); }

private:
    uint64_t m_state;
};

// `count` distinct numbers of [low, high], ascending (partial Fisher-Yates shuffle).
std::vector<int> draw(Random &rng, int count, int low, int high)
{
    std::vector<int> pool;
    for (int n = low; n <= high; ++n) {
        pool.push_back(n);
    }
    for (int i = 0; i < count; ++i) {
        std::swap(pool[size_t(i)], pool[size_t(i + rng.below(int(pool.size()) - i))]);
    }
    std::vector<int> chosen(pool.begin(), pool.begin() + count);
    std::sort(chosen.begin(), chosen.end());
    return chosen;
}

// `lines` distinct sets; sizeOf gives the size of each new set.
template<typename SizeOf>
std::vector<std::vector<int>> distinctSets(uint64_t seed, size_t lines, int low, int high, SizeOf sizeOf)
{
    Random rng(seed);
    std::set<std::vector<int>> seen;
    std::vector<std::vector<int>> sets;
    while (sets.size() < lines) {
        std::vector<int> set = draw(rng, sizeOf(rng), low, high);
        if (seen.insert(set).second) {
            sets.push_back(set);
        }
    }
    return sets;
}

std::string joined(const std::vector<int> &numbers, const char *separator)
{
    std::string out;
    for (size_t i = 0; i < numbers.size(); ++i) {
        out += (i ? separator : "") + std::to_string(numbers[i]);
    }
    return out;
}

bool save(const std::string &path, const std::string &content)
{
    FILE *f = std::fopen(path.c_str(), "wb");
    if (!f || std::fwrite(content.data(), 1, content.size(), f) != content.size() || std::fclose(f) != 0) {
        std::perror(path.c_str());
        return false;
    }
    return true;
}

struct Record {
    std::string name;
    std::vector<int32_t> steps;
    bool recupEnabled;
    int32_t recupLossDivider;
    int32_t nbToursMontante;
};

void int32(std::string &out, int32_t v)
{
    const auto u = static_cast<uint32_t>(v);
    for (int i = 0; i < 4; ++i) {
        out.push_back(static_cast<char>((u >> (8 * i)) & 0xff));
    }
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: noxmkdata <output directory>\n");
        return 2;
    }
    // The names keep their inner and trailing spaces.
    const std::vector<Record> records{
        {"MONTANTE 10  BLOCS 0-7   (-30 )  ", {1, 1, 1, 2, 3, 4, 6, 9}, true, 8, 4},
        {"MONTANTE 13  BLOCS 0-5   (-26 ) ", {1, 1, 2, 3, 5, 8}, true, 6, 3},
        {"MONTANTE 18  BLOCS 0-2   (-14 )", {1, 2, 4}, true, 8, 3},
        {"MONTANTE 24  BLOCS 0-1   (-10 )", {1, 3}, true, 8, 2},
        {"MONTANTE 13  BLOCS 0-9   (-100 )", {1, 1, 2, 3, 5, 7, 11, 18, 28}, false, 10, 5},
    };
    std::string out;
    out.push_back(13);
    out += "[Montante 01]";
    int32(out, static_cast<int32_t>(records.size()));
    for (const Record &r : records) {
        int32(out, static_cast<int32_t>(r.steps.size()));
        for (int32_t s : r.steps) {
            int32(out, s);
        }
        int32(out, -9999); // nbPaliersBack: back to the first step after a win
        int32(out, 1);     // nbPaliersBackPerte: one step up after a loss
        out.push_back(static_cast<char>(r.name.size()));
        out += r.name;
        out.push_back(r.recupEnabled ? 1 : 0);
        int32(out, r.recupLossDivider);
        int32(out, r.nbToursMontante);
    }
    const std::string dir = argv[1];
    bool ok = save(dir + "/montantes.dat", out);

    // Number sets of 13, 18 and 24 numbers out of 0..36, named 13.1 to 13.1000 and so on.
    for (int size : {13, 18, 24}) {
        std::string text;
        const auto sets = distinctSets(1300 + uint64_t(size), 1000, 0, 36, [size](Random &) { return size; });
        for (size_t i = 0; i < sets.size(); ++i) {
            text += std::to_string(size) + "." + std::to_string(i + 1) + ":" + joined(sets[i], ",") + "\n";
        }
        ok = save(dir + "/method" + std::to_string(size) + ".txt", text) && ok;
    }

    // Series of 12 ascending numbers out of 1..36: a space, then each number and a space.
    {
        std::string text;
        for (const auto &set : distinctSets(1212, 18000, 1, 36, [](Random &) { return 12; })) {
            // Appended piece by piece: `" " + std::string&&` draws a false -Wrestrict from
            // MinGW's GCC 12 at -O2.
            text += ' ';
            text += joined(set, " ");
            text += " \n";
        }
        ok = save(dir + "/seriegrp.txt", text) && ok;
    }

    // A sample user methods file: 1206 sets of 6 to 24 numbers.
    {
        std::string text;
        const auto sets = distinctSets(2106, 1206, 0, 36, [](Random &rng) { return 6 + rng.below(19); });
        for (size_t i = 0; i < sets.size(); ++i) {
            text += "Methode " + std::to_string(i + 1) + ":" + joined(sets[i], ",") + "\n";
        }
        ok = save(dir + "/methodes_par_defaut.txt", text) && ok;
    }
    return ok ? 0 : 1;
}
