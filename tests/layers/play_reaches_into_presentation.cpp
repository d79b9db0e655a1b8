// Built as a file of play: the stage screen is above play, so this include must not be found.
#include "play/play.h"
#include "presentation/presentation.h"
