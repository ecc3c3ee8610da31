#pragma once

/** The factor every window and panel multiplies its design rectangles by:
    1.0 on a main display at least 800 pixels high, smaller below that.
    Computed once, on the first call.
*/
float getUiScale();

/** The factor for a usable display height in pixels. */
float uiScaleForUsableHeight (int height) noexcept;
