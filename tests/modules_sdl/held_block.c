/* A module that holds a block for as long as it is loaded, as display
   drivers do. */
#include <stdlib.h>

void* held_block;

void HoldBlock(void)
{
    held_block = malloc(128);
}
