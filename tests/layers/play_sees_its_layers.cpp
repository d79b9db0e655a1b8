// Built as a file of play: what play uses is there (the check that the probe itself builds).
#include "audio/audio.h"
#include "play/play.h"
#include "services/random.h"
#include "stagedata/world.h"
