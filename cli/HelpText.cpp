#include "cli/HelpText.h"

#ifndef ONDREL_VERSION
#define ONDREL_VERSION "unknown"
#endif

namespace ondrel::cli {

const char* HelpText() {
    return "usage: ondrel-convert [options] INPUT...\n"
           "\n"
           "Converts level exports (text or binary triangle files) into .map brush files:\n"
           "every triangle becomes a prism (when it faces along an axis) or a pyramid.\n"
           "Each INPUT is written beside itself with its extension replaced by .map.\n"
           "\n"
           "options:\n"
           "  -o, --output FILE|DIR  with one input: write the map to FILE (or into DIR);\n"
           "                         with several: write every map into the existing DIR\n"
           "                         (a name ending in / is always a DIR, and must exist)\n"
           "      --binary           read every input as binary\n"
           "      --text             read every input as text\n"
           "                         (default: binary when the name ends in \".bin\",\n"
           "                         lower case; text otherwise)\n"
           "      --tris X           pyramid height in map units (default 5)\n"
           "      --blocks X         prism thickness in map units (default 6)\n"
           "      --scale X          map units per level unit (default 40)\n"
           "                         each X is a decimal number such as 12, 2.5 or 1e3;\n"
           "                         values below 0.1 become 0.1, with a warning\n"
           "      --merge            adjacent triangles on one plane that become the\n"
           "                         same kind of solid share one convex brush\n"
           "                         (default: one brush per triangle)\n"
           "      --check            after writing, rebuild every brush from its face\n"
           "                         planes as a map compiler does and report the\n"
           "                         problems: faces whose points are in line or\n"
           "                         coincide, empty, thin and unbounded brushes,\n"
           "                         repeated planes; one line per brush with a problem,\n"
           "                         naming its triangle, then one line per map\n"
           "      --check-map        the INPUTs are existing .map files: check them\n"
           "                         the same way and convert nothing\n"
           "      --strict           exit with 4 when a check finds problems or\n"
           "                         coordinates leave the --bounds range\n"
           "      --bounds N         warn when a map coordinate goes beyond +-N\n"
           "                         (default 32768), naming the scale that fits\n"
           "  -q, --quiet            print no summary and no progress\n"
           "  -h, --help             print this help\n"
           "      --version          print the version\n"
           "\n"
           "One summary line per converted file goes to standard output; errors go to\n"
           "standard error. A failing input does not stop the others. An existing map is\n"
           "replaced only once its new version is completely written.\n"
           "\n"
           "exit codes (when several happen, the highest wins):\n"
           "  0  every input was converted and written\n"
           "  1  usage error: nothing was converted\n"
           "  2  an input could not be converted (missing, not a regular file,\n"
           "     unreadable, or no whole triangle in it)\n"
           "  3  a map, or standard output, could not be written\n"
           "  4  with --strict, and nothing above: a check found problems\n";
}

const char* VersionText() { return "ondrel-convert " ONDREL_VERSION "\n"; }

}  // namespace ondrel::cli
