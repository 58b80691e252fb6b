// Writes the default progression library shipped as ":/data/montantes.dat": five user
// progressions in the version-1 layout (no recomputation fields).
//
//   noxmkmontantes <output file>

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace {

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
        std::fprintf(stderr, "usage: noxmkmontantes <output file>\n");
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
    FILE *f = std::fopen(argv[1], "wb");
    if (!f || std::fwrite(out.data(), 1, out.size(), f) != out.size() || std::fclose(f) != 0) {
        std::perror(argv[1]);
        return 1;
    }
    return 0;
}
