/* A caller of the library as a new user writes one: plain C, built against the installed header
 * and the pkg-config file. For each file named on the command line it opens the file, waits for
 * its length, plays it, checks that the position moves, stops, closes, and checks that the alias
 * is gone. Exits 0 when every file passed; prints one line per file. */
#define _POSIX_C_SOURCE 199309L
#include <stdio.h>
#include <string.h>
#include <time.h>
#include <zuplay/zuplay.h>

static void Sleep(long milliseconds) {
    struct timespec wait = {milliseconds / 1000, (milliseconds % 1000) * 1000000L};
    nanosleep(&wait, NULL);
}

static ZuText Text(const char* text) {
    ZuText counted = {text, (int32_t)strlen(text)};
    return counted;
}

/* Long sounds and MIDI files are decoded in the background: their length shows once done. */
static int32_t WaitForLength(const ZuText* alias) {
    for (int tries = 0; tries < 200; ++tries) {
        int32_t length = ZuSampleLength(alias);
        if (length > 0) return length;
        Sleep(50);
    }
    return 0;
}

static int PlayOne(const char* file) {
    ZuText name = Text(file);
    ZuText alias = Text("tune");
    if (ZuOpenSample(&name, &alias) != -1) return printf("FAIL %s: does not open\n", file), 1;
    int32_t length = WaitForLength(&alias);
    if (length <= 0) return printf("FAIL %s: no length\n", file), 1;
    if (ZuPlaySample(&alias) != -1) return printf("FAIL %s: does not play\n", file), 1;
    Sleep(length < 400 ? length / 2 : 200);
    int32_t position = ZuSampleCurPos(&alias);
    if (position <= 0 || position > length) {
        return printf("FAIL %s: position %d of %d\n", file, (int)position, (int)length), 1;
    }
    if (ZuStopSample(&alias) != -1 || ZuCloseSample(&alias) != -1) {
        return printf("FAIL %s: stop or close failed\n", file), 1;
    }
    if (ZuSampleLength(&alias) != 0 || ZuPlaySample(&alias) != 0) {
        return printf("FAIL %s: the alias outlived its close\n", file), 1;
    }
    printf("ok %s: %d ms, at %d ms after a moment\n", file, (int)length, (int)position);
    return 0;
}

int main(int argc, char** argv) {
    int failed = 0;
    for (int i = 1; i < argc; ++i) failed += PlayOne(argv[i]);
    return failed == 0 && argc > 1 ? 0 : 1;
}
