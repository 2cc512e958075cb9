/* A caller of the library as a new user writes one: plain C, built against the installed header
 * and the pkg-config file. For each file named on the command line it opens the file, waits for
 * its length, plays it, waits for the position to move, stops, closes, and checks that the alias
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

/* The position once the device has mixed some of the play (a loaded machine may take a while). */
static int32_t WaitForPosition(const ZuText* alias) {
    for (int tries = 0; tries < 200; ++tries) {
        Sleep(20);
        int32_t position = ZuSampleCurPos(alias);
        if (position > 0) return position;
    }
    return 0;
}

/* Everything but the open and the close; a text saying what went wrong, or NULL. */
static const char* Exercise(const ZuText* alias, int32_t* length, int32_t* position) {
    *length = WaitForLength(alias);
    if (*length <= 0) return "no length";
    if (ZuPlaySample(alias) != -1) return "does not play";
    *position = WaitForPosition(alias);
    if (*position <= 0 || *position > *length) return "the position does not move";
    if (ZuStopSample(alias) != -1) return "does not stop";
    return NULL;
}

static int PlayOne(const char* file) {
    ZuText name = Text(file);
    ZuText alias = Text("tune");
    int32_t length = 0, position = 0;
    if (ZuOpenSample(&name, &alias) != -1) return printf("FAIL %s: does not open\n", file), 1;
    const char* failure = Exercise(&alias, &length, &position);
    if (ZuCloseSample(&alias) != -1 && failure == NULL) failure = "does not close";
    if (failure == NULL && (ZuSampleLength(&alias) != 0 || ZuPlaySample(&alias) != 0)) {
        failure = "the alias outlived its close";
    }
    if (failure != NULL) return printf("FAIL %s: %s\n", file, failure), 1;
    printf("ok %s: %d ms, at %d ms once playing\n", file, (int)length, (int)position);
    return 0;
}

int main(int argc, char** argv) {
    int failed = 0;
    for (int i = 1; i < argc; ++i) failed += PlayOne(argv[i]);
    return failed == 0 && argc > 1 ? 0 : 1;
}
