// Every sound effect of the game, one a line: the name the code plays it by and its file,
// sound/FILE.wav in the data folder. The game plays them by name (audio.h: SoundEffect), the
// sound generator (tools/sfx) writes each file from its recipe, and the `sounds` of a script
// show the file. A new effect needs its line here and its recipe, nothing more.
//
//   EFFECT(name, file)
//
// The includer defines the macro; one entry a line.
EFFECT(NoPoints, beep01)      // Space with no tool points left
EFFECT(Spring, charjumpon)    // the spring set down; the tool menu's cursor
EFFECT(MenuOpen, push10)      // the tool menu opening
EFFECT(Confirm, Akouka01)     // a menu choice confirmed
EFFECT(Cursor, Akouka02)      // a menu cursor moved
EFFECT(OptionFlip, Akouka03)  // an option changed
EFFECT(Bonk, teki01)          // the stone knocks a snowman over
EFFECT(Spin, teki02)          // the stone knocks a penguin over
EFFECT(Sweep, migaku)         // the broom at work (and under the stage-end words)
EFFECT(Crack, char03)         // the hammer's blows
EFFECT(Shatter, char04)       // the tile breaking
EFFECT(Item, Aitem)           // a bucket picked up
EFFECT(StoneLaunch, stone02)  // the spring throwing the stone
EFFECT(StoneLand, stone01)    // the thrown stone landing
EFFECT(Fall, rakka)           // the player or the stone falling out of the field
EFFECT(Footstep, char00)
EFFECT(Jump, charjump)        // a jump or a drop
EFFECT(Pipe, dokan)           // down a pipe
EFFECT(Land, char01)
EFFECT(PlayerHit, puu46)      // the player knocked out
EFFECT(TryLost, end0)         // a try ends without the goal
