/* The sample-player library's exports: open a sound file under an alias, then play, stop, pause,
 * resume, measure and close it by that alias. Any thread may call any export; calls are
 * serialised inside the library. Every export but the two status functions returns -1 for
 * success and 0 for failure. Positions and lengths are milliseconds. */
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

ZUPLAY_API int32_t ZuOpenSample(const ZuText* fileName, const ZuText* alias);
ZUPLAY_API int32_t ZuPlaySample(const ZuText* alias); /* from the start, cutting a play short */
ZUPLAY_API int32_t ZuPlaySampleFrom(const ZuText* alias, const int32_t* position);
ZUPLAY_API int32_t ZuStopSample(const ZuText* alias);
ZUPLAY_API int32_t ZuCloseSample(const ZuText* alias);
ZUPLAY_API int32_t ZUBREAKSAMPLE(const ZuText* alias); /* pause, keeping the position */
ZUPLAY_API int32_t ZuResumeSample(const ZuText* alias);
ZUPLAY_API int32_t ZuSampleCurPos(const ZuText* alias); /* 0 when unknown */
ZUPLAY_API int32_t ZuSampleLength(const ZuText* alias); /* 0 when unknown */

#ifdef __cplusplus
}
#endif

#endif
