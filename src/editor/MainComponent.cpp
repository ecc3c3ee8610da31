#include "MainComponent.h"

#include "appearance/DesignLayout.h"
#include "appearance/ResourceLoader.h"
#include "appearance/UiScale.h"

namespace
{
constexpr int connectionTimerMs = 200;
} // namespace

MainComponent::MainComponent (EditorSession& s)
    : session (s)
    , basicView ({ s.getEditedPreset(), s.getSender(), s.getSettings() })
    , advancedView ({ s.getEditedPreset(), s.getSender(), s.getSettings() })
    , globalView ({ s.getEditedPreset(), s.getSender(), s.getSettings() })
    , header (s, bigKnobLook)
{
    const auto scale = getUiScale();

    basicView.setName ("Basic View Panel");
    advancedView.setName ("Advanced View Panel");
    globalView.setName ("Global View Panel");
    addAndMakeVisible (basicView);
    addAndMakeVisible (header);

    for (auto* viewButton : { &basicViewButton, &advancedViewButton, &globalViewButton })
    {
        viewButton->setButtonText ({});
        viewButton->setRadioGroupId (1);
        viewButton->addListener (this);
        addAndMakeVisible (viewButton);
    }

    addAndMakeVisible (advancedView);
    addAndMakeVisible (globalView);
    libraryList.setName ("Library Presets");
    deviceList.setName ("Vandorium Presets");
    addAndMakeVisible (libraryList);
    addAndMakeVisible (deviceList);

    // The basic view's picture, decoded once for both layers; the other
    // views' pictures wait until their view is first shown.
    basicBackground = getResourceImage ("Editor_BASIC", "png");
    backgroundDrawable = std::make_unique<juce::DrawableImage> (basicBackground);
    currentBackground = &basicBackground;

    setSize ((int) (DesignLayout::Main::width * scale), (int) (DesignLayout::Main::height * scale));
    basicViewButton.setToggleState (true, juce::dontSendNotification);

    // The small knobs live in the advanced and global views: loaded with them.
    bigKnobLook.setKnobImage (getResourceImage ("Knob Big", "png"), 128);
    bigKnobLook.setBipolarKnobImage (getResourceImage ("Knob Big Bipolar", "png"));
    roundButtonLook.setKnobImage (getResourceImage ("Round Button HD", "png"), 2);
    scrollbarLook.setKnobImage (getResourceImage ("Scrollbar Knob HD", "png"), 1);

    basicView.setAdvancedView (&advancedView);
    advancedView.setGlobalView (&globalView);
    basicView.applyLookAndFeel (bigKnobLook);
    advancedView.applyLookAndFeel (bigKnobLook, knobLook);
    globalView.applyLookAndFeel (bigKnobLook, knobLook);

    applyTooltipSetting();
    header.onOpenSettings = [this]
    { showSettingsDialog(); };
    header.onOpenWebsite = [this]
    { openMakerWebsite(); };

    for (auto* viewButton : { &basicViewButton, &advancedViewButton, &globalViewButton })
        viewButton->setLookAndFeel (&roundButtonLook);

    showSelectedView();

    for (auto* list : { &libraryList, &deviceList })
    {
        list->setRowHeight (std::max (1, (int) (20.0f * scale)));
        list->setColour (juce::ListBox::backgroundColourId, juce::Colour (0x00000000));
        list->getVerticalScrollBar().setLookAndFeel (&scrollbarLook);
        list->getVerticalScrollBar().setAutoHide (false);
    }

    session.setSelectionSource ([this] (EditorSession::PresetList list)
                                { return (list == EditorSession::PresetList::library ? libraryList : deviceList).getSelectedRow(); });
    session.addListener (this);

    installListModel (deviceList);
    installListModel (libraryList);
    header.showConnection (session.isDeviceConnected());
    header.showSyncState (session.getLink().getSyncState());

    startTimer (connectionTimerMs);
}

MainComponent::~MainComponent()
{
    stopTimer();
    session.removeListener (this);
    session.setSelectionSource ({});
    session.getLink().closeDevicePorts();
    ResourceLoader::getInstance().releaseTypefaces();

    libraryList.setModel (nullptr);
    deviceList.setModel (nullptr);
    tooltipWindow = nullptr;

    for (auto* child : getChildren())
        child->setLookAndFeel (nullptr);

    for (auto* list : { &libraryList, &deviceList })
        list->getVerticalScrollBar().setLookAndFeel (nullptr);
}

void MainComponent::applyTooltipSetting()
{
    if (session.getSettings().showTooltips && tooltipWindow == nullptr)
    {
        tooltipWindow = std::make_unique<juce::TooltipWindow> (this, 0);
        tooltipWindow->setLookAndFeel (&knobLook);
    }
    else if (! session.getSettings().showTooltips && tooltipWindow != nullptr)
    {
        tooltipWindow = nullptr;
    }
}

void MainComponent::showSettingsDialog()
{
    if (help != nullptr)
        help->showSettingsDialog (this, [this]
                                  { applyTooltipSetting(); });
}

void MainComponent::openMakerWebsite()
{
    if (help != nullptr)
        help->openMakerWebsite();
}

//==============================================================================
void MainComponent::paint (juce::Graphics& g)
{
    g.fillAll (juce::Colours::black);
    g.setColour (juce::Colours::black);

    // Both pictures fill the scaled design area only: a window that gives the
    // component a little more room shows black there, not a stray unscaled copy.
    const auto scale = getUiScale();
    const auto area = juce::Rectangle<int> (0, 0, (int) (DesignLayout::Main::width * scale), (int) (DesignLayout::Main::height * scale)).toFloat();

    if (backgroundDrawable != nullptr)
        backgroundDrawable->drawWithin (g, area, juce::RectanglePlacement::stretchToFit, 1.0f);

    if (currentBackground != nullptr && currentBackground->isValid())
        g.drawImage (*currentBackground, area, juce::RectanglePlacement::centred);
}

void MainComponent::resized()
{
    using namespace DesignLayout;
    const auto scale = getUiScale();
    const auto place = [&] (juce::Component& child, const char* name)
    { child.setBounds (scaled (boundsOf (Main::children, name), scale)); };

    place (basicView, "Basic View Panel");
    place (basicViewButton, "Basic View");
    place (advancedViewButton, "Advanced View");
    place (globalViewButton, "Global View");
    place (advancedView, "Advanced View Panel");
    place (globalView, "Global View Panel");
    place (libraryList, "Library Presets");
    place (deviceList, "Vandorium Presets");
    header.setBounds (scaled (HeaderComponent::designBounds(), scale));
}

void MainComponent::showSelectedView()
{
    const auto show = [] (juce::Component& view, bool visible)
    {
        if (view.isVisible() != visible)
            view.setVisible (visible);
    };

    const struct
    {
        juce::ToggleButton& button;
        juce::Component& view;
        juce::Image& background;
        const char* pictureName;
    } views[] = { { basicViewButton, basicView, basicBackground, "Editor_BASIC" },
                  { advancedViewButton, advancedView, advancedBackground, "Editor_ADVANCED" },
                  { globalViewButton, globalView, globalBackground, "Editor_GLOBAL_SIMPLE" } };

    for (const auto& selected : views)
    {
        if (! selected.button.getToggleState())
            continue;

        if (! selected.background.isValid())
            selected.background = getResourceImage (selected.pictureName, "png");

        if (&selected.view != &basicView && ! knobLook.getKnobImage().isValid())
        {
            knobLook.setKnobImage (getResourceImage ("Knob", "png"), 128);
            knobLook.setBipolarKnobImage (getResourceImage ("Knob Bipolar", "png"));
        }

        currentBackground = &selected.background;

        for (const auto& v : views)
            show (v.view, &v.view == &selected.view);

        break;
    }

    repaint();
}

void MainComponent::buttonClicked (juce::Button* button)
{
    if (button->getToggleState())
        showSelectedView();
}

void MainComponent::timerCallback()
{
    session.timerTick();
}

//==============================================================================
void MainComponent::presetLoaded (juce::NotificationType notification)
{
    if (tooltipWindow != nullptr)
        tooltipWindow->hideTip();

    // A copy: the controls write back into the session's preset while it loads.
    const auto loaded = session.getPreset();
    header.showPreset (loaded, notification);
    basicView.setFromPreset (loaded, notification);
    advancedView.setFromPreset (loaded, notification);
    globalView.updateNoteLabels();
}

void MainComponent::libraryReplaced()
{
    // A row of the old library means nothing in the new one.
    installListModel (libraryList);
    libraryList.deselectAllRows();
}

void MainComponent::libraryRowsChanged (int rowToSelect)
{
    libraryList.updateContent();

    if (rowToSelect >= 0)
        libraryList.selectRow (rowToSelect);
    else
        libraryList.deselectAllRows();

    libraryList.repaint();
}

void MainComponent::librarySelectionCleared()
{
    libraryList.deselectAllRows();
}

void MainComponent::bankReplaced (DeviceLink::BankChange change)
{
    installListModel (deviceList);

    if (change == DeviceLink::BankChange::synchronised)
    {
        deviceList.deselectAllRows();
        deviceList.repaint();
    }
}

void MainComponent::bankSlotChanged (int)
{
    deviceList.updateContent();
    deviceList.repaint();
}

void MainComponent::syncStateChanged (DeviceLink::SyncState state)
{
    header.showSyncState (state);
}

void MainComponent::deviceSlotSelected (int slot)
{
    if (deviceList.getSelectedRow() == slot)
        return;

    const juce::ScopedValueSetter<bool> selecting (selectingForTheSession, true);
    deviceList.selectRow (slot);
}

void MainComponent::connectionChanged (bool connected)
{
    header.showConnection (connected);
}

//==============================================================================
EditorSession::PresetList MainComponent::listOf (const BXListBox& list) const
{
    return &list == &libraryList ? EditorSession::PresetList::library : EditorSession::PresetList::device;
}

void MainComponent::installListModel (BXListBox& list)
{
    auto& library = session.libraryOf (listOf (list));
    auto model = std::make_unique<PresetListBoxModel> (static_cast<PresetListBoxModelListener*> (this), &library, list.getWidth() - 28);
    list.setModel (model.get());
    (&list == &libraryList ? libraryModel : deviceModel) = std::move (model);
    list.updateContent();
}

void MainComponent::presetSelected (BXVandoriumLibrary* library, int row)
{
    if (selectingForTheSession)
        return;

    if (library == &session.getBank())
        session.presetSelected (EditorSession::PresetList::device, row);
    else if (library == &session.getLibrary())
        session.presetSelected (EditorSession::PresetList::library, row);
}

void MainComponent::presetDropped (const BXListBox& source, int sourceRow, const BXListBox& target, int targetRow)
{
    if (&source != &target)
        session.presetDropped (listOf (source), sourceRow, listOf (target), targetRow);
}
