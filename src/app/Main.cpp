#include "VandoriumEditorApplication.h"

START_JUCE_APPLICATION (VandoriumEditorApplication)
