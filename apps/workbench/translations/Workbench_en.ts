<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>AxisView</name>
    <message>
        <source>%1    position %2    velocity %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>position %1 … %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>velocity ±%1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ControlWordWidget</name>
    <message>
        <source>%1 active, handle %2, flag %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>on</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no control panel active</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DriveDescription</name>
    <message>
        <source>a number is required for a %1 parameter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a text is required for a %1 parameter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown field</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a coordinate such as &quot;J40&quot; is required</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown data type &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a whole number from 0 to %1 is required</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 values for %2 elements</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a number is required</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is outside the %2 range %3 .. %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>an object from value to text is required</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>entry &quot;%1&quot; needs a numeric key and a text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a text or an object with &quot;de&quot;, &quot;en&quot;, &quot;fr&quot; texts is required</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>true or false is required</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1:%2: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1:%2: field &quot;%3&quot;: %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a list of parameters is required</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>an object is required</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>defined twice</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DriveModel</name>
    <message>
        <source>offline</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>fault</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>disabled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>switching on</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>halted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>standstill</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>stopping</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>block %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>jogging</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>jog step</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>command</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>velocity</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Brevane Workbench</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open &amp;recent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Parameters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Control-panel word</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Host log</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Online</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connected to the drive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read-only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The project may not be edited</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Open drive…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open a drive description with its parameters and values</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+O</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save drive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+S</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save drive &amp;as…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+Shift+S</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Forget the window, the docks, device, fieldbus, language, state, page and recent drives kept from earlier starts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save window picture…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+Q</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Device fault (E48 = 5)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fault with switch-off (E81 = 3, E82 = 88)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Another master takes the axis (A900 = 1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Control panels locked (A918 = 1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connection lost (offline)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Device</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fieldbus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Brevane Workbench – %1 – %2[*]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>built-in drive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open drive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drive descriptions (*.json);;All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opened %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save drive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drive descriptions (*.json)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unsaved changes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The drive has changes that are not saved yet. Save them?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings forgotten: the next start begins with the defaults.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Refused: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Axis</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Drive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Injected until cleared; a device fault also needs acknowledging</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear all faults</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>online</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>offline</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>read-only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>editable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>picked %1 for &quot;%2&quot;; the host has no way to hand it to the page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save window picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PNG pictures (*.png)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 could not be written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Export parameters…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export parameters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exported the parameters to %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Forget the window layout, device, fieldbus, language, state, page, recent drives and folders kept from earlier starts? The docks go back to their places now; the rest takes effect at the next start.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help on the focused control</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About Brevane Workbench</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;h3&gt;Brevane Workbench %1&lt;/h3&gt;&lt;p&gt;Runs the %2 plug-in against a simulated drive, as the host application does.&lt;/p&gt;&lt;p&gt;Built with Qt %3, running on Qt %4.&lt;/p&gt;&lt;p&gt;Qt is used under the GNU Lesser General Public License, version 3. Brevane&apos;s own terms are those of the copy you received.&lt;/p&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About Brevane Workbench</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About &amp;Qt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Go to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next pane</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Previous pane</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Page tree</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No help for this control. Shift+F1 and a click show the help of any control that has one.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 · %2 · %3 · %4 · motion block: %5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>none</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ParameterBrowser</name>
    <message>
        <source>Filter: coordinate or name</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n parameter(s)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ParameterModel</name>
    <message>
        <source>Coordinate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Element</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Limits: %1 .. %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Default: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2 cannot be kept exactly by a REAL32 (it would become %3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unit: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ParameterPickerDialog</name>
    <message>
        <source>Parameter input</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Filter: coordinate or name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Coordinate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The host passes no answer back to the page: the choice is only noted in the log.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ParameterStore</name>
    <message>
        <source>the drive would hold more than %1 elements</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is no %3 number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2 is outside %3 .. %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is no parameter address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 does not exist in living space %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 has no element %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2 elements are more than %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2 elements would make the drive hold more than %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: unknown data type %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not defined</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: cannot be read: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QAbstractFileIconProvider</name>
    <message>
        <source>Drive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shortcut</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ScenarioRecorder</name>
    <message>
        <source>Record scenario</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scenarios (*.json)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop recording</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Recorded %n step(s) into %1</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>%1, but it will not play back: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not recorded: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the %1 pressed has no object name to play it back by</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>clicks into the list %1 cannot be played back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the arrows of %1 cannot be played back; type the value instead</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the %1 typed into has no object name to play it back by</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the choice box has no object name to play it back by</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the box &quot;%1&quot; was closed with a button a scenario cannot name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>select the parameter to expect first</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>select one element of %1 to expect</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Expecting %1 = %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Record scenario…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Expect this value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Adds a step to the recording that expects the selected parameter&apos;s value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>● Recording</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A scenario is being recorded; Drive &gt; Stop recording writes it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recording into %1; the drive&apos;s changes since it was opened or saved are not part of it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recording into %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ScenarioRunner</name>
    <message>
        <source>a text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>true or false</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a text or a number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a list of texts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>is no button</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>is no text field</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>is no choice box</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: cannot be read: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: a scenario is an object with a &quot;steps&quot; array</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a step is an object</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>invalid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: step %2 (%3): %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no &quot;step&quot; field</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown step</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown field &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>field &quot;%1&quot; must be %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>field &quot;%1&quot; is missing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no page: show one first or name it in &quot;page&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown page &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>page %1 has no object &quot;%2&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown parameter &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 has no element %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; must lie between 0 and %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a box is answered with %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown fault &quot;%1&quot;; known are %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nothing to expect: give &quot;value&quot;, &quot;min&quot; or &quot;max&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nothing to switch: give &quot;device&quot;, &quot;fieldbus&quot;, &quot;language&quot;, &quot;online&quot; or &quot;readOnly&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown device type &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown fieldbus &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown language &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nothing to expect: give &quot;enabled&quot;, &quot;visible&quot;, &quot;checked&quot; or &quot;text&quot;</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SimulatedDrive</name>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Workbench</name>
    <message>
        <source>%1: cannot be read: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a page of another plug-in of the host. It stands in the tree so that jumps to it can be tried.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not available yet: the plug-in does not create the page &quot;%1&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Qt&apos;s own catalogue %1 is not installed; its buttons stay English</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WorkbenchHost</name>
    <message>
        <source>Page &quot;%1&quot; is not in the tree</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Page &quot;%1&quot; is hidden</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WorkbenchNames</name>
    <message>
        <source>none</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
