/* zuplay: a small sample player. A caller opens a sound file once under an alias of its choosing,
 * then plays, stops, pauses, resumes, measures and closes it by that alias. docs/zuplay.md
 * describes the alias model, the command texts behind each call, the file types and the threads.
 *
 * Results: every export but the two status functions returns -1 for success and 0 for failure;
 * no error text is kept or printed (the one exception: a MIDI file opened on a system without a
 * General MIDI sound font, said once on standard error). Positions and lengths are milliseconds.
 *
 * Threads: any thread may call any export at any time; the calls are serialised inside the
 * library, and none waits for a sound to be decoded or played. Decoding of sounds longer than a
 * few seconds (and of every MIDI file) and opening the output device happen on one background
 * thread of the library. Without a sound card the library plays silently on a device of its own,
 * so positions still advance and plays still end.
 *
 * Texts are counted (ZuText); the library only reads them during the call and keeps no pointer.
 * An alias is 1 to 128 bytes of printable ASCII without spaces or quotes; a file name is any path
 * the file system accepts (spaces and UTF-8 included, up to 4095 bytes) without a double quote or
 * a control byte. A '\' in a file name is taken as '/'. */
#ifndef ZUPLAY_ZUPLAY_H
#define ZUPLAY_ZUPLAY_H

#include <stdint.h>

#if defined(__GNUC__)
#define ZUPLAY_API __attribute__((visibility("default")))
#else
#define ZUPLAY_API
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* A counted text owned by the caller and only read by the library; no terminating zero needed. */
typedef struct ZuText {
    const char* Data; /* the bytes; may be null when Length is 0 */
    int32_t Length;   /* number of bytes; a negative length makes the call fail */
} ZuText;

/* Opens fileName under alias. The type is chosen by the extension: .wav, .mp3, .ogg, .flac, .aif,
 * .au and any other sound libsndfile reads; .mid, .midi and .rmi as MIDI. Refused (0): video
 * extensions (.mpg, .mpeg, .m1v, .mp2, .mpa, .mpe, .avi, .wmv), CD tracks (.cda), a file that does
 * not exist or is not a sound, a name with a quote or a control byte, an alias already open.
 * Sounds of up to 3 seconds are decoded before it returns; longer ones and MIDI files in the
 * background, and until then their length reads 0 and a play waits for them. The same file may
 * be open under many aliases, each an independent player sharing one decoded copy. */
ZUPLAY_API int32_t ZuOpenSample(const ZuText* fileName, const ZuText* alias);

/* Plays the alias from its start, cutting short a play in progress. 0 for an unknown alias. */
ZUPLAY_API int32_t ZuPlaySample(const ZuText* alias);

/* Plays from *position milliseconds. 0 for an unknown alias, a null position, a negative one or
 * one beyond the sound's length (when that is known). */
ZUPLAY_API int32_t ZuPlaySampleFrom(const ZuText* alias, const int32_t* position);

/* Stops the alias, keeping its position. 0 for an unknown alias. */
ZUPLAY_API int32_t ZuStopSample(const ZuText* alias);

/* Stops the alias and forgets it; the decoded sound goes with its last alias. 0 when unknown. */
ZUPLAY_API int32_t ZuCloseSample(const ZuText* alias);

/* Pauses a playing alias, keeping its position (nothing happens to one not playing). 0 when
 * unknown. */
ZUPLAY_API int32_t ZUBREAKSAMPLE(const ZuText* alias);

/* Resumes a paused alias where it was paused (nothing happens to one not paused). 0 when
 * unknown. */
ZUPLAY_API int32_t ZuResumeSample(const ZuText* alias);

/* The alias's position in milliseconds: where it plays, or where it was stopped or paused; the
 * length once a play has run to its end. 0 for an unknown alias. */
ZUPLAY_API int32_t ZuSampleCurPos(const ZuText* alias);

/* The sound's length in milliseconds; 0 for an unknown alias and while a long sound or a MIDI
 * file is still being decoded. */
ZUPLAY_API int32_t ZuSampleLength(const ZuText* alias);

#ifdef __cplusplus
}
#endif

#endif
