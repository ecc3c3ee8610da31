#pragma once

/** Library load and save of 10,000 presets against their framework floors,
    and bank dump encoding and decoding.
*/
void runDataCoreBenchmarks();
