<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>BackupStore</name>
    <message>
        <source>cannot create the backup folder %1</source>
        <translation>cannot create the backup folder %1</translation>
    </message>
    <message>
        <source>too many backups at the same moment in %1</source>
        <translation>too many backups at the same moment in %1</translation>
    </message>
    <message>
        <source>cannot record the upload in the backup folder: %1</source>
        <translation>cannot record the upload in the backup folder: %1</translation>
    </message>
    <message>
        <source>cannot save the backup: cannot write %1: %2</source>
        <translation>cannot save the backup: cannot write %1: %2</translation>
    </message>
    <message>
        <source>larger than a backup can be</source>
        <translation>larger than a backup can be</translation>
    </message>
    <message>
        <source>cannot read the backup %1: %2</source>
        <translation>cannot read the backup %1: %2</translation>
    </message>
    <message>
        <source>cannot read the backup %1: its panel records %2: %3</source>
        <translation>cannot read the backup %1: its panel records %2: %3</translation>
    </message>
    <message>
        <source>The panel is now only partly written: it holds part of its previous configuration and part of the new one. No backup of it was taken, so the configuration must be uploaded again.</source>
        <translation>The panel is now only partly written: it holds part of its previous configuration and part of the new one. No backup of it was taken, so the configuration must be uploaded again.</translation>
    </message>
    <message>
        <source>The panel is now only partly written: it holds part of its previous configuration and part of the new one. To put back what it held before, from the backup, run: mrb500ctl restore %1 --port %2</source>
        <translation>The panel is now only partly written: it holds part of its previous configuration and part of the new one. To put back what it held before, from the backup, run: mrb500ctl restore %1 --port %2</translation>
    </message>
</context>
<context>
    <name>CauseEffectMatrix</name>
    <message>
        <source>%1 s</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>Cause</source>
        <translation>Cause</translation>
    </message>
    <message>
        <source>Zone names</source>
        <translation>Zone names</translation>
    </message>
</context>
<context>
    <name>CauseEffectReport</name>
    <message>
        <source>Setting</source>
        <translation>Setting</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Value</translation>
    </message>
    <message>
        <source>not available: %1</source>
        <translation>not available: %1</translation>
    </message>
    <message>
        <source>(no installation name)</source>
        <translation>(no installation name)</translation>
    </message>
    <message>
        <source>Cause-and-effect report</source>
        <translation>Cause-and-effect report</translation>
    </message>
    <message>
        <source>Installation</source>
        <translation>Installation</translation>
    </message>
    <message>
        <source>Configuration file</source>
        <translation>Configuration file</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Tool</source>
        <translation>Tool</translation>
    </message>
    <message>
        <source>Configuration fingerprint</source>
        <translation>Configuration fingerprint</translation>
    </message>
    <message>
        <source>The fingerprint is a checksum of everything the panel stores. A configuration downloaded from the panel gives the same value.</source>
        <translation>The fingerprint is a checksum of everything the panel stores. A configuration downloaded from the panel gives the same value.</translation>
    </message>
    <message>
        <source>Zones</source>
        <translation>Zones</translation>
    </message>
    <message>
        <source>Zone</source>
        <translation>Zone</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>No zones.</source>
        <translation>No zones.</translation>
    </message>
    <message>
        <source>Auxiliary boards</source>
        <translation>Auxiliary boards</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Board</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Cause-and-effect matrix</source>
        <translation>Cause-and-effect matrix</translation>
    </message>
    <message>
        <source>No maneuvers.</source>
        <translation>No maneuvers.</translation>
    </message>
    <message>
        <source>Rows: causes. Columns: effects E1, E2, ... as listed below. A cell holds the delay before the effect, or %1 when it is immediate.</source>
        <translation>Rows: causes. Columns: effects E1, E2, ... as listed below. A cell holds the delay before the effect, or %1 when it is immediate.</translation>
    </message>
    <message>
        <source>Cause</source>
        <translation>Cause</translation>
    </message>
    <message>
        <source>Effect</source>
        <translation>Effect</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Action</translation>
    </message>
    <message>
        <source>Maneuvers</source>
        <translation>Maneuvers</translation>
    </message>
    <message>
        <source>logic</source>
        <translation>logic</translation>
    </message>
    <message>
        <source>simple</source>
        <translation>simple</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Kind</translation>
    </message>
    <message>
        <source>Events</source>
        <translation>Events</translation>
    </message>
    <message>
        <source>Consistency check</source>
        <translation>Consistency check</translation>
    </message>
    <message>
        <source>No problems found.</source>
        <translation>No problems found.</translation>
    </message>
    <message>
        <source>Error:</source>
        <translation>Error:</translation>
    </message>
    <message>
        <source>Warning:</source>
        <translation>Warning:</translation>
    </message>
    <message>
        <source>%1Fingerprint %2 · Page %3 of %4</source>
        <translation>%1Fingerprint %2 · Page %3 of %4</translation>
    </message>
    <message>
        <source>not available</source>
        <translation>not available</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>cannot write %1: %2</translation>
    </message>
    <message>
        <source>cannot write %1: the PDF could not be started</source>
        <translation>cannot write %1: the PDF could not be started</translation>
    </message>
</context>
<context>
    <name>CmdConvencional</name>
    <message>
        <source>record holds %1 bytes instead of %2 (write table %3 record %4)</source>
        <translation>record holds %1 bytes instead of %2 (write table %3 record %4)</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>%1 (%2, sent %3 times)</source>
        <translation>%1 (%2, sent %3 times)</translation>
    </message>
    <message>
        <source>stopped during %1: %2</source>
        <translation>stopped during %1: %2</translation>
    </message>
    <message>
        <source>stopped before %1</source>
        <translation>stopped before %1</translation>
    </message>
    <message>
        <source>stopped after %1</source>
        <translation>stopped after %1</translation>
    </message>
    <message>
        <source>no answer, sending again (%1 of %2)</source>
        <translation>no answer, sending again (%1 of %2)</translation>
    </message>
    <message>
        <source>damaged answer, sending again (%1 of %2)</source>
        <translation>damaged answer, sending again (%1 of %2)</translation>
    </message>
</context>
<context>
    <name>CommandCodec</name>
    <message>
        <source>unknown command</source>
        <translation>unknown command</translation>
    </message>
    <message>
        <source>reset panel</source>
        <translation>reset panel</translation>
    </message>
    <message>
        <source>erase table %1</source>
        <translation>erase table %1</translation>
    </message>
    <message>
        <source>write table %1 record %2</source>
        <translation>write table %1 record %2</translation>
    </message>
    <message>
        <source>read table %1 record %2</source>
        <translation>read table %1 record %2</translation>
    </message>
    <message>
        <source>begin upload</source>
        <translation>begin upload</translation>
    </message>
    <message>
        <source>command 0x%1</source>
        <translation>command 0x%1</translation>
    </message>
    <message>
        <source>answer has %1 bytes, fewer than the %2 of its head</source>
        <translation>answer has %1 bytes, fewer than the %2 of its head</translation>
    </message>
    <message>
        <source>panel refused with status %1</source>
        <translation>panel refused with status %1</translation>
    </message>
    <message>
        <source>answer carries %1 data bytes instead of %2</source>
        <translation>answer carries %1 data bytes instead of %2</translation>
    </message>
</context>
<context>
    <name>CommissioningWorkflow</name>
    <message>
        <source>the panel cannot hold this configuration: %1</source>
        <translation>the panel cannot hold this configuration: %1</translation>
    </message>
    <message>
        <source>the backup %1 cannot be restored: %2</source>
        <translation>the backup %1 cannot be restored: %2</translation>
    </message>
</context>
<context>
    <name>ConfigurationCheck</name>
    <message>
        <source>%1 contains &quot;%2&quot;, which is not a Latin-1 character</source>
        <translation>%1 contains &quot;%2&quot;, which is not a Latin-1 character</translation>
    </message>
    <message>
        <source>%1 has %2 characters; the panel holds at most %3</source>
        <translation>%1 has %2 characters; the panel holds at most %3</translation>
    </message>
    <message>
        <source>%1 simple maneuvers; the panel holds at most %2</source>
        <translation>%1 simple maneuvers; the panel holds at most %2</translation>
    </message>
    <message>
        <source>%1 logic maneuvers; the panel holds at most %2</source>
        <translation>%1 logic maneuvers; the panel holds at most %2</translation>
    </message>
    <message>
        <source>The number of zones is %1; panels have 0, 2, 4, 8 or 12</source>
        <translation>The number of zones is %1; panels have 0, 2, 4, 8 or 12</translation>
    </message>
    <message>
        <source>Auxiliary board %1 has the unknown type %2</source>
        <translation>Auxiliary board %1 has the unknown type %2</translation>
    </message>
    <message>
        <source>Maneuver %1 has no event</source>
        <translation>Maneuver %1 has no event</translation>
    </message>
    <message>
        <source>Maneuver %1 has %2 events; the panel holds at most %3</source>
        <translation>Maneuver %1 has %2 events; the panel holds at most %3</translation>
    </message>
    <message>
        <source>Maneuver %1 uses zone %2, but the panel has %3 zones</source>
        <translation>Maneuver %1 uses zone %2, but the panel has %3 zones</translation>
    </message>
    <message>
        <source>Maneuver %1 acts on auxiliary board %2, which is not fitted</source>
        <translation>Maneuver %1 acts on auxiliary board %2, which is not fitted</translation>
    </message>
    <message>
        <source>Zone %1 is named &quot;%2&quot;, but the panel has %3 zones</source>
        <translation>Zone %1 is named &quot;%2&quot;, but the panel has %3 zones</translation>
    </message>
    <message>
        <source>The gateway %1 is outside the network of the address %2 (net mask %3)</source>
        <translation>The gateway %1 is outside the network of the address %2 (net mask %3)</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; contains &quot;@&quot;; enter only the part before the &quot;@&quot;</source>
        <translation>%1 &quot;%2&quot; contains &quot;@&quot;; enter only the part before the &quot;@&quot;</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; contains &quot;@&quot;; enter only the part after the &quot;@&quot;</source>
        <translation>%1 &quot;%2&quot; contains &quot;@&quot;; enter only the part after the &quot;@&quot;</translation>
    </message>
    <message>
        <source>Maneuver %1 has an event the panel does not define: block %2, block type %3, type %4</source>
        <translation>Maneuver %1 has an event the panel does not define: block %2, block type %3, type %4</translation>
    </message>
    <message>
        <source>Maneuver %1 has an action the panel does not define: block %2, block type %3, type %4</source>
        <translation>Maneuver %1 has an action the panel does not define: block %2, block type %3, type %4</translation>
    </message>
</context>
<context>
    <name>ConfigurationDiff</name>
    <message>
        <source>%1 [%2]</source>
        <translation>%1 [%2]</translation>
    </message>
</context>
<context>
    <name>ConfigurationDifference</name>
    <message>
        <source>%1: added %2</source>
        <translation>%1: added %2</translation>
    </message>
    <message>
        <source>%1: removed %2</source>
        <translation>%1: removed %2</translation>
    </message>
    <message>
        <source>%1: %2 changed</source>
        <translation>%1: %2 changed</translation>
    </message>
    <message>
        <source>%1: changed %2 to %3</source>
        <translation>%1: changed %2 to %3</translation>
    </message>
    <message>
        <source>%1: %2 changed from &quot;%3&quot; to &quot;%4&quot;</source>
        <translation>%1: %2 changed from &quot;%3&quot; to &quot;%4&quot;</translation>
    </message>
</context>
<context>
    <name>ConfigurationFields</name>
    <message>
        <source>%1 s</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>not set</source>
        <translation>not set</translation>
    </message>
    <message>
        <source>set</source>
        <translation>set</translation>
    </message>
    <message>
        <source>on</source>
        <translation>on</translation>
    </message>
    <message>
        <source>off</source>
        <translation>off</translation>
    </message>
    <message>
        <source>sounder 1</source>
        <translation>sounder 1</translation>
    </message>
    <message>
        <source>sounder 2</source>
        <translation>sounder 2</translation>
    </message>
    <message>
        <source>none</source>
        <translation>none</translation>
    </message>
    <message>
        <source>sounder board</source>
        <translation>sounder board</translation>
    </message>
    <message>
        <source>relay board</source>
        <translation>relay board</translation>
    </message>
    <message>
        <source>unknown type %1</source>
        <translation>unknown type %1</translation>
    </message>
    <message>
        <source>General options</source>
        <translation>General options</translation>
    </message>
    <message>
        <source>Web server</source>
        <translation>Web server</translation>
    </message>
    <message>
        <source>E-mail</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>Zones</source>
        <translation>Zones</translation>
    </message>
    <message>
        <source>Auxiliary boards</source>
        <translation>Auxiliary boards</translation>
    </message>
    <message>
        <source>Zone names</source>
        <translation>Zone names</translation>
    </message>
    <message>
        <source>Maneuvers</source>
        <translation>Maneuvers</translation>
    </message>
    <message>
        <source>%1 =&gt; %2</source>
        <translation>%1 =&gt; %2</translation>
    </message>
    <message>
        <source>zone %1 %2</source>
        <translation>zone %1 %2</translation>
    </message>
    <message>
        <source>Board %1</source>
        <translation>Board %1</translation>
    </message>
    <message>
        <source>Zone %1</source>
        <translation>Zone %1</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Spanish</translation>
    </message>
    <message>
        <source>English</source>
        <translation>English</translation>
    </message>
    <message>
        <source>alarms</source>
        <translation>alarms</translation>
    </message>
    <message>
        <source>faults</source>
        <translation>faults</translation>
    </message>
    <message>
        <source>password</source>
        <translation>password</translation>
    </message>
    <message>
        <source>plain</source>
        <translation>plain</translation>
    </message>
</context>
<context>
    <name>ConfigurationStep</name>
    <message>
        <source>Change number of zones</source>
        <translation>Change number of zones</translation>
    </message>
    <message>
        <source>Change boards</source>
        <translation>Change boards</translation>
    </message>
    <message>
        <source>Rename zone %1</source>
        <translation>Rename zone %1</translation>
    </message>
    <message>
        <source>Create maneuver %1</source>
        <translation>Create maneuver %1</translation>
    </message>
    <message>
        <source>Delete maneuver %1</source>
        <translation>Delete maneuver %1</translation>
    </message>
    <message>
        <source>Modify maneuver %1</source>
        <translation>Modify maneuver %1</translation>
    </message>
    <message>
        <source>Change &quot;%1&quot;</source>
        <translation>Change &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Change the configuration</source>
        <translation>Change the configuration</translation>
    </message>
</context>
<context>
    <name>ConfigurationSummary</name>
    <message>
        <source>Zones: %1</source>
        <translation>Zones: %1</translation>
    </message>
    <message>
        <source>Auxiliary board %1: %2</source>
        <translation>Auxiliary board %1: %2</translation>
    </message>
    <message>
        <source>Alarm confirmation: %1, delay %2 s</source>
        <translation>Alarm confirmation: %1, delay %2 s</translation>
    </message>
    <message>
        <source>Web server: language %1, %2</source>
        <translation>Web server: language %1, %2</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Spanish</translation>
    </message>
    <message>
        <source>English</source>
        <translation>English</translation>
    </message>
    <message>
        <source>address by DHCP</source>
        <translation>address by DHCP</translation>
    </message>
    <message>
        <source>address %1, netmask %2, gateway %3</source>
        <translation>address %1, netmask %2, gateway %3</translation>
    </message>
    <message>
        <source>Web login: user &quot;%1&quot;, password %2</source>
        <translation>Web login: user &quot;%1&quot;, password %2</translation>
    </message>
    <message>
        <source>Web login: off</source>
        <translation>Web login: off</translation>
    </message>
    <message>
        <source>alarms</source>
        <translation>alarms</translation>
    </message>
    <message>
        <source>faults</source>
        <translation>faults</translation>
    </message>
    <message>
        <source>E-mail: on, installation &quot;%1&quot;</source>
        <translation>E-mail: on, installation &quot;%1&quot;</translation>
    </message>
    <message>
        <source>E-mail server: %1 port %2, %3 authentication, user &quot;%4&quot;, password %5</source>
        <translation>E-mail server: %1 port %2, %3 authentication, user &quot;%4&quot;, password %5</translation>
    </message>
    <message>
        <source>password</source>
        <translation>password</translation>
    </message>
    <message>
        <source>plain</source>
        <translation>plain</translation>
    </message>
    <message>
        <source>E-mail from %1@%2 to %3@%4, for %5</source>
        <translation>E-mail from %1@%2 to %3@%4, for %5</translation>
    </message>
    <message>
        <source>nothing</source>
        <translation>nothing</translation>
    </message>
    <message>
        <source>E-mail: off</source>
        <translation>E-mail: off</translation>
    </message>
    <message>
        <source>Maneuvers: %1 (%2 simple, %3 logic)</source>
        <translation>Maneuvers: %1 (%2 simple, %3 logic)</translation>
    </message>
    <message>
        <source>Zone %1: %2</source>
        <translation>Zone %1: %2</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>CtlCommand</name>
    <message>
        <source>human-readable summary</source>
        <translation>human-readable summary</translation>
    </message>
    <message>
        <source>the whole configuration as one JSON object</source>
        <translation>the whole configuration as one JSON object</translation>
    </message>
    <message>
        <source>one line per problem; exit status 1 on any error</source>
        <translation>one line per problem; exit status 1 on any error</translation>
    </message>
    <message>
        <source>back up the panel, write FILE to it and read it
back (not with --no-verify)</source>
        <translation>back up the panel, write FILE to it and read it
back (not with --no-verify)</translation>
    </message>
    <message>
        <source>read the panel into FILE; zones and boards from BASEFILE</source>
        <translation>read the panel into FILE; zones and boards from BASEFILE</translation>
    </message>
    <message>
        <source>read the panel&apos;s general options</source>
        <translation>read the panel&apos;s general options</translation>
    </message>
    <message>
        <source>write a backup (its .records file, or the .xml
beside it) back to the panel, byte for byte, and
read it back</source>
        <translation>write a backup (its .records file, or the .xml
beside it) back to the panel, byte for byte, and
read it back</translation>
    </message>
    <message>
        <source>list the differences; exit status 1 when any</source>
        <translation>list the differences; exit status 1 when any</translation>
    </message>
    <message>
        <source>cause-and-effect report (PDF) and matrix (CSV)</source>
        <translation>cause-and-effect report (PDF) and matrix (CSV)</translation>
    </message>
    <message>
        <source>FT232 adapters (every serial port with --all)</source>
        <translation>FT232 adapters (every serial port with --all)</translation>
    </message>
    <message>
        <source>Commands:</source>
        <translation>Commands:</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <translation>%1 or %2</translation>
    </message>
</context>
<context>
    <name>CtlCommandLine</name>
    <message>
        <source>Print each step of a transfer with the panel on standard error.</source>
        <translation>Print each step of a transfer with the panel on standard error.</translation>
    </message>
    <message>
        <source>The language of every text (%1); by default the system&apos;s, or English where it has no translation. dump is always in English.</source>
        <translation>The language of every text (%1); by default the system&apos;s, or English where it has no translation. dump is always in English.</translation>
    </message>
    <message>
        <source>The panel&apos;s serial port: a name or a path.</source>
        <translation>The panel&apos;s serial port: a name or a path.</translation>
    </message>
    <message>
        <source>Accepted for older scripts: an upload is always verified unless --no-verify is given.</source>
        <translation>Accepted for older scripts: an upload is always verified unless --no-verify is given.</translation>
    </message>
    <message>
        <source>After an upload, do not read the records back to compare them.</source>
        <translation>After an upload, do not read the records back to compare them.</translation>
    </message>
    <message>
        <source>Take zones and boards for a download from BASEFILE.</source>
        <translation>Take zones and boards for a download from BASEFILE.</translation>
    </message>
    <message>
        <source>List every serial port.</source>
        <translation>List every serial port.</translation>
    </message>
    <message>
        <source>Upload without saving the panel&apos;s content first.</source>
        <translation>Upload without saving the panel&apos;s content first.</translation>
    </message>
    <message>
        <source>Before an upload, list what it changes in the panel.</source>
        <translation>Before an upload, list what it changes in the panel.</translation>
    </message>
    <message>
        <source>Write every frame exchanged with the panel to FILE.</source>
        <translation>Write every frame exchanged with the panel to FILE.</translation>
    </message>
    <message>
        <source>Write the report to OUT as PDF.</source>
        <translation>Write the report to OUT as PDF.</translation>
    </message>
    <message>
        <source>Write the cause-and-effect matrix to OUT as CSV.</source>
        <translation>Write the cause-and-effect matrix to OUT as CSV.</translation>
    </message>
    <message>
        <source>Inspects MRB-500 configuration files and transfers them to and from the panel.</source>
        <translation>Inspects MRB-500 configuration files and transfers them to and from the panel.</translation>
    </message>
    <message>
        <source>Exit status: 0 success, 1 the operation failed, 2 usage error or a file that cannot be read or written, 130 stopped by Ctrl-C or SIGTERM.</source>
        <translation>Exit status: 0 success, 1 the operation failed, 2 usage error or a file that cannot be read or written, 130 stopped by Ctrl-C or SIGTERM.</translation>
    </message>
    <message>
        <source>A configuration file.</source>
        <translation>A configuration file.</translation>
    </message>
</context>
<context>
    <name>CtlCommissioningQuestions</name>
    <message>
        <source>The panel already holds this configuration.</source>
        <translation>The panel already holds this configuration.</translation>
    </message>
    <message>
        <source>Changes to be written to the panel:</source>
        <translation>Changes to be written to the panel:</translation>
    </message>
    <message>
        <source>warning: </source>
        <translation>warning: </translation>
    </message>
    <message>
        <source>backup of the panel saved as %1</source>
        <translation>backup of the panel saved as %1</translation>
    </message>
    <message>
        <source>warning: the backup is kept as the panel&apos;s records only, without an XML view: %1</source>
        <translation>warning: the backup is kept as the panel&apos;s records only, without an XML view: %1</translation>
    </message>
</context>
<context>
    <name>CtlConsole</name>
    <message>
        <source>cannot read the translation %1</source>
        <translation>cannot read the translation %1</translation>
    </message>
    <message>
        <source>cannot write %1</source>
        <translation>cannot write %1</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>cannot write %1: %2</translation>
    </message>
</context>
<context>
    <name>CtlFileCommands</name>
    <message>
        <source>note: </source>
        <translation>note: </translation>
    </message>
    <message>
        <source>error: </source>
        <translation>error: </translation>
    </message>
    <message>
        <source>warning: </source>
        <translation>warning: </translation>
    </message>
    <message>
        <source>%1: no problems found</source>
        <translation>%1: no problems found</translation>
    </message>
    <message>
        <source>No differences.</source>
        <translation>No differences.</translation>
    </message>
    <message>
        <source>report needs --pdf or --csv; see mrb500ctl --help</source>
        <translation>report needs --pdf or --csv; see mrb500ctl --help</translation>
    </message>
    <message>
        <source>%1 written</source>
        <translation>%1 written</translation>
    </message>
</context>
<context>
    <name>CtlPanelCommands</name>
    <message>
        <source>%1 cannot go to the panel: %2</source>
        <translation>%1 cannot go to the panel: %2</translation>
    </message>
    <message>
        <source>%1; no backup was taken</source>
        <translation>%1; no backup was taken</translation>
    </message>
    <message>
        <source>%1; to upload without a backup, use --no-backup</source>
        <translation>%1; to upload without a backup, use --no-backup</translation>
    </message>
    <message>
        <source>%1 uploaded to %2 and verified</source>
        <translation>%1 uploaded to %2 and verified</translation>
    </message>
    <message>
        <source>%1 uploaded to %2</source>
        <translation>%1 uploaded to %2</translation>
    </message>
    <message>
        <source>%1 downloaded from %2</source>
        <translation>%1 downloaded from %2</translation>
    </message>
    <message>
        <source>Panel on %1 answered; its general options:</source>
        <translation>Panel on %1 answered; its general options:</translation>
    </message>
    <message>
        <source>%1 restored to %2 and verified</source>
        <translation>%1 restored to %2 and verified</translation>
    </message>
    <message>
        <source>N/A</source>
        <translation>N/A</translation>
    </message>
    <message>
        <source>no serial port found</source>
        <translation>no serial port found</translation>
    </message>
    <message>
        <source>no FT232 adapter found; mrb500ctl ports --all lists every serial port</source>
        <translation>no FT232 adapter found; mrb500ctl ports --all lists every serial port</translation>
    </message>
    <message>
        <source>Nothing was changed.</source>
        <translation>Nothing was changed.</translation>
    </message>
    <message>
        <source>The panel was not changed.</source>
        <translation>The panel was not changed.</translation>
    </message>
</context>
<context>
    <name>DialogAbout</name>
    <message>
        <source>About</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Trevik Fire USB Configuration Software version </source>
        <translation>Trevik Fire USB Configuration Software version </translation>
    </message>
    <message>
        <source>Compilation Date %1</source>
        <translation>Compilation Date %1</translation>
    </message>
    <message>
        <source>Copyright the MRB-500 configurator contributors. Free software: you may use, study, share and change it. It comes with no warranty; check every configuration on the panel before relying on it.</source>
        <translation>Copyright the MRB-500 configurator contributors. Free software: you may use, study, share and change it. It comes with no warranty; check every configuration on the panel before relying on it.</translation>
    </message>
    <message>
        <source>Support: ask on the project&apos;s issue tracker, or read the &lt;a href=&quot;%1&quot;&gt;README&lt;/a&gt; that comes with the program.</source>
        <translation>Support: ask on the project&apos;s issue tracker, or read the &lt;a href=&quot;%1&quot;&gt;README&lt;/a&gt; that comes with the program.</translation>
    </message>
</context>
<context>
    <name>DialogAddLogic</name>
    <message>
        <source>Dialog</source>
        <translation>Dialog</translation>
    </message>
    <message>
        <source>EVENT LIST</source>
        <translation>EVENT LIST</translation>
    </message>
    <message>
        <source>ACTION</source>
        <translation>ACTION</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Action</translation>
    </message>
    <message>
        <source>Delay</source>
        <translation>Delay</translation>
    </message>
    <message>
        <source>seg</source>
        <translation>s</translation>
    </message>
    <message>
        <source>Modulo</source>
        <translation>Module</translation>
    </message>
    <message>
        <source>Entrada</source>
        <translation>Output</translation>
    </message>
    <message>
        <source>Output ON</source>
        <translation>Output ON</translation>
    </message>
    <message>
        <source>Output OFF</source>
        <translation>Output OFF</translation>
    </message>
    <message>
        <source>Sirenas ON</source>
        <translation>Sounders ON</translation>
    </message>
    <message>
        <source>Sirenas OFF</source>
        <translation>Sounders OFF</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Mute</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Reset</translation>
    </message>
</context>
<context>
    <name>DifferencesDialog</name>
    <message>
        <source>Area</source>
        <translation>Area</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Change</translation>
    </message>
    <message>
        <source>Setting or maneuver</source>
        <translation>Setting or maneuver</translation>
    </message>
    <message>
        <source>Before</source>
        <translation>Before</translation>
    </message>
    <message>
        <source>After</source>
        <translation>After</translation>
    </message>
    <message>
        <source>Write to panel</source>
        <translation>Write to panel</translation>
    </message>
    <message>
        <source>added</source>
        <translation>added</translation>
    </message>
    <message>
        <source>removed</source>
        <translation>removed</translation>
    </message>
    <message>
        <source>changed</source>
        <translation>changed</translation>
    </message>
</context>
<context>
    <name>DriverSerieHdlc</name>
    <message>
        <source>no serial port chosen</source>
        <translation>no serial port chosen</translation>
    </message>
    <message>
        <source>cannot open %1: %2</source>
        <translation>cannot open %1: %2</translation>
    </message>
    <message>
        <source>baud rate</source>
        <translation>baud rate</translation>
    </message>
    <message>
        <source>data bits</source>
        <translation>data bits</translation>
    </message>
    <message>
        <source>parity</source>
        <translation>parity</translation>
    </message>
    <message>
        <source>stop bits</source>
        <translation>stop bits</translation>
    </message>
    <message>
        <source>flow control</source>
        <translation>flow control</translation>
    </message>
    <message>
        <source>%1 refused the %2: %3</source>
        <translation>%1 refused the %2: %3</translation>
    </message>
    <message>
        <source>the serial port is not open</source>
        <translation>the serial port is not open</translation>
    </message>
    <message>
        <source>cannot write to %1: %2</source>
        <translation>cannot write to %1: %2</translation>
    </message>
    <message>
        <source>lost %1: %2</source>
        <translation>lost %1: %2</translation>
    </message>
    <message>
        <source>the port did not take the request within %1 s</source>
        <translation>the port did not take the request within %1 s</translation>
    </message>
    <message>
        <source>no answer from panel within %1 s</source>
        <translation>no answer from panel within %1 s</translation>
    </message>
    <message>
        <source>Serial port %1 does not take the panel&apos;s line settings: choose the port of the panel&apos;s USB adapter.</source>
        <translation>Serial port %1 does not take the panel&apos;s line settings: choose the port of the panel&apos;s USB adapter.</translation>
    </message>
</context>
<context>
    <name>EditHistory</name>
    <message>
        <source>Undo typing that cannot be stored</source>
        <translation>Undo typing that cannot be stored</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>Undo %1</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>Redo %1</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Redo</translation>
    </message>
</context>
<context>
    <name>FieldControls</name>
    <message>
        <source>%1 needs four numbers from 0 to 255 separated by dots, such as 192.168.1.2</source>
        <translation>%1 needs four numbers from 0 to 255 separated by dots, such as 192.168.1.2</translation>
    </message>
    <message>
        <source>%1 needs a number from 1 to 65535, or nothing for no port</source>
        <translation>%1 needs a number from 1 to 65535, or nothing for no port</translation>
    </message>
</context>
<context>
    <name>FieldTable</name>
    <message>
        <source>Number of zones</source>
        <translation>Number of zones</translation>
    </message>
    <message>
        <source>Alarm confirmation</source>
        <translation>Alarm confirmation</translation>
    </message>
    <message>
        <source>Confirmation delay</source>
        <translation>Confirmation delay</translation>
    </message>
    <message>
        <source>Short circuit counts as alarm</source>
        <translation>Short circuit counts as alarm</translation>
    </message>
    <message>
        <source>Sounder delay cancelled by a second alarm</source>
        <translation>Sounder delay cancelled by a second alarm</translation>
    </message>
    <message>
        <source>Sounder delay cancelled by a manual call point</source>
        <translation>Sounder delay cancelled by a manual call point</translation>
    </message>
    <message>
        <source>Web language</source>
        <translation>Web language</translation>
    </message>
    <message>
        <source>Address by DHCP</source>
        <translation>Address by DHCP</translation>
    </message>
    <message>
        <source>IP address</source>
        <translation>IP address</translation>
    </message>
    <message>
        <source>Net mask</source>
        <translation>Net mask</translation>
    </message>
    <message>
        <source>Gateway</source>
        <translation>Gateway</translation>
    </message>
    <message>
        <source>Web login</source>
        <translation>Web login</translation>
    </message>
    <message>
        <source>Web user</source>
        <translation>Web user</translation>
    </message>
    <message>
        <source>Web password</source>
        <translation>Web password</translation>
    </message>
    <message>
        <source>Send e-mails</source>
        <translation>Send e-mails</translation>
    </message>
    <message>
        <source>Installation name</source>
        <translation>Installation name</translation>
    </message>
    <message>
        <source>E-mail server</source>
        <translation>E-mail server</translation>
    </message>
    <message>
        <source>E-mail server port</source>
        <translation>E-mail server port</translation>
    </message>
    <message>
        <source>Authentication</source>
        <translation>Authentication</translation>
    </message>
    <message>
        <source>E-mail user</source>
        <translation>E-mail user</translation>
    </message>
    <message>
        <source>E-mail password</source>
        <translation>E-mail password</translation>
    </message>
    <message>
        <source>Events mailed</source>
        <translation>Events mailed</translation>
    </message>
    <message>
        <source>Sender mailbox</source>
        <translation>Sender mailbox</translation>
    </message>
    <message>
        <source>Sender domain</source>
        <translation>Sender domain</translation>
    </message>
    <message>
        <source>Recipient mailbox</source>
        <translation>Recipient mailbox</translation>
    </message>
    <message>
        <source>Recipient domain</source>
        <translation>Recipient domain</translation>
    </message>
</context>
<context>
    <name>HdlcFrameReader</name>
    <message>
        <source>answer frame longer than %1 bytes</source>
        <translation>answer frame longer than %1 bytes</translation>
    </message>
    <message>
        <source>answer frame ends with an escape byte</source>
        <translation>answer frame ends with an escape byte</translation>
    </message>
    <message>
        <source>answer checksum is 0x%1, expected 0x%2</source>
        <translation>answer checksum is 0x%1, expected 0x%2</translation>
    </message>
</context>
<context>
    <name>ImageRoundTrip</name>
    <message>
        <source>Maneuver %1 (%2): the panel would read it as %3</source>
        <translation>Maneuver %1 (%2): the panel would read it as %3</translation>
    </message>
    <message>
        <source>Maneuver %1 (%2): the panel would read the end of its simple maneuver table here, so these maneuvers would be lost: %3</source>
        <translation>Maneuver %1 (%2): the panel would read the end of its simple maneuver table here, so these maneuvers would be lost: %3</translation>
    </message>
    <message>
        <source>Maneuver %1 (%2): the panel would find no event in its record and drop the maneuver</source>
        <translation>Maneuver %1 (%2): the panel would find no event in its record and drop the maneuver</translation>
    </message>
    <message>
        <source>Maneuver %1 (%2): the panel would read the end of its event list early and keep only %3</source>
        <translation>Maneuver %1 (%2): the panel would read the end of its event list early and keep only %3</translation>
    </message>
    <message>
        <source>%1 %2 would not reach the panel whole: it would keep only its first %3 characters</source>
        <translation>%1 %2 would not reach the panel whole: it would keep only its first %3 characters</translation>
    </message>
    <message>
        <source>%1 %2 is %3; the panel would read %4</source>
        <translation>%1 %2 is %3; the panel would read %4</translation>
    </message>
</context>
<context>
    <name>LinkAdvice</name>
    <message>
        <source>Serial port %1 does not exist: check that the USB adapter is plugged in, then choose the port again.</source>
        <translation>Serial port %1 does not exist: check that the USB adapter is plugged in, then choose the port again.</translation>
    </message>
    <message>
        <source>%1 is a folder, not a serial port: choose the panel&apos;s serial port.</source>
        <translation>%1 is a folder, not a serial port: choose the panel&apos;s serial port.</translation>
    </message>
    <message>
        <source>%1 is not a serial device: choose the panel&apos;s serial port.</source>
        <translation>%1 is not a serial device: choose the panel&apos;s serial port.</translation>
    </message>
    <message>
        <source>You may not use serial port %1. On Linux this usually means that your user is not in the dialout group: run sudo usermod -aG dialout $USER, then log out and log in again.</source>
        <translation>You may not use serial port %1. On Linux this usually means that your user is not in the dialout group: run sudo usermod -aG dialout $USER, then log out and log in again.</translation>
    </message>
    <message>
        <source>Serial port %1 is in use by another program: close that program and try again.</source>
        <translation>Serial port %1 is in use by another program: close that program and try again.</translation>
    </message>
    <message>
        <source>Serial port %1 cannot be opened: unplug the USB adapter, plug it in again and try again.</source>
        <translation>Serial port %1 cannot be opened: unplug the USB adapter, plug it in again and try again.</translation>
    </message>
    <message>
        <source>The panel did not answer: check the cable, the port and that the panel is powered.</source>
        <translation>The panel did not answer: check the cable, the port and that the panel is powered.</translation>
    </message>
    <message>
        <source>The panel&apos;s answers arrive damaged: check the cable and its connectors, and keep it away from power wiring.</source>
        <translation>The panel&apos;s answers arrive damaged: check the cable and its connectors, and keep it away from power wiring.</translation>
    </message>
    <message>
        <source>The panel refused the command with status %1: restart the panel and try again.</source>
        <translation>The panel refused the command with status %1: restart the panel and try again.</translation>
    </message>
    <message>
        <source>The connection to the panel was lost (USB adapter unplugged?): plug it in again and repeat the transfer.</source>
        <translation>The connection to the panel was lost (USB adapter unplugged?): plug it in again and repeat the transfer.</translation>
    </message>
    <message>
        <source>The serial port did not send the request: unplug the USB adapter, plug it in again and repeat the transfer.</source>
        <translation>The serial port did not send the request: unplug the USB adapter, plug it in again and repeat the transfer.</translation>
    </message>
    <message>
        <source>%1 Details: %2</source>
        <translation>%1 Details: %2</translation>
    </message>
    <message>
        <source>The transfer was interrupted by the user.</source>
        <translation>The transfer was interrupted by the user.</translation>
    </message>
</context>
<context>
    <name>LinkLogWindow</name>
    <message>
        <source>Link log</source>
        <translation>Link log</translation>
    </message>
    <message>
        <source>Save...</source>
        <translation>Save...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>Direction</translation>
    </message>
    <message>
        <source>Bytes</source>
        <translation>Bytes</translation>
    </message>
    <message>
        <source>Meaning</source>
        <translation>Meaning</translation>
    </message>
    <message>
        <source>sent</source>
        <translation>sent</translation>
    </message>
    <message>
        <source>received</source>
        <translation>received</translation>
    </message>
    <message>
        <source>problem</source>
        <translation>problem</translation>
    </message>
    <message>
        <source>%1, %2 frames</source>
        <translation>%1, %2 frames</translation>
    </message>
    <message>
        <source>No transfer with the panel yet.</source>
        <translation>No transfer with the panel yet.</translation>
    </message>
    <message>
        <source>Last panel command: %1</source>
        <translation>Last panel command: %1</translation>
    </message>
    <message>
        <source>Save link log</source>
        <translation>Save link log</translation>
    </message>
    <message>
        <source>Text files (*.txt)</source>
        <translation>Text files (*.txt)</translation>
    </message>
    <message>
        <source>Could not save %1.</source>
        <translation>Could not save %1.</translation>
    </message>
</context>
<context>
    <name>LinkTrace</name>
    <message>
        <source>simple maneuvers</source>
        <translation>simple maneuvers</translation>
    </message>
    <message>
        <source>logic maneuvers</source>
        <translation>logic maneuvers</translation>
    </message>
    <message>
        <source>general options</source>
        <translation>general options</translation>
    </message>
    <message>
        <source>general table, not interpreted</source>
        <translation>general table, not interpreted</translation>
    </message>
    <message>
        <source>web and e-mail settings</source>
        <translation>web and e-mail settings</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>accepted</source>
        <translation>accepted</translation>
    </message>
    <message>
        <source>answer to %1: %2</source>
        <translation>answer to %1: %2</translation>
    </message>
    <message>
        <source># %1, started %2; %3 entries; password bytes shown as **</source>
        <translation># %1, started %2; %3 entries; password bytes shown as **</translation>
    </message>
    <message>
        <source>sent</source>
        <translation>sent</translation>
    </message>
    <message>
        <source>received</source>
        <translation>received</translation>
    </message>
    <message>
        <source>problem</source>
        <translation>problem</translation>
    </message>
    <message>
        <source>%1, hidden</source>
        <translation>%1, hidden</translation>
    </message>
</context>
<context>
    <name>LogEventWidget</name>
    <message>
        <source>Zona</source>
        <translation>Zone</translation>
    </message>
    <message>
        <source>event</source>
        <translation>event</translation>
    </message>
    <message>
        <source>Source Type</source>
        <translation>Source Type</translation>
    </message>
    <message>
        <source>Alarma en zona</source>
        <translation>Alarm in zone</translation>
    </message>
    <message>
        <source>Averia en zona</source>
        <translation>Fault in zone</translation>
    </message>
    <message>
        <source>Alarma en panel</source>
        <translation>Alarm in panel</translation>
    </message>
    <message>
        <source>Alarma de pulsador en panel</source>
        <translation>Call point alarm in panel</translation>
    </message>
    <message>
        <source>Averia en panel</source>
        <translation>Fault in panel</translation>
    </message>
    <message>
        <source>Entrada ON</source>
        <translation>Input ON</translation>
    </message>
    <message>
        <source>Entrada OFF</source>
        <translation>Input OFF</translation>
    </message>
    <message>
        <source>alarma de detector</source>
        <translation>detector alarm</translation>
    </message>
    <message>
        <source>alarma de pulsador</source>
        <translation>call point alarm</translation>
    </message>
    <message>
        <source>cualquier alarma</source>
        <translation>any alarm</translation>
    </message>
    <message>
        <source>avería de corte</source>
        <translation>open-circuit fault</translation>
    </message>
    <message>
        <source>avería de cruce</source>
        <translation>short-circuit fault</translation>
    </message>
    <message>
        <source>cualquier avería</source>
        <translation>any fault</translation>
    </message>
</context>
<context>
    <name>ManeuverTableImage</name>
    <message>
        <source>%1 simple maneuvers; the panel holds at most %2</source>
        <translation>%1 simple maneuvers; the panel holds at most %2</translation>
    </message>
    <message>
        <source>%1 logic maneuvers; the panel holds at most %2</source>
        <translation>%1 logic maneuvers; the panel holds at most %2</translation>
    </message>
</context>
<context>
    <name>ManiobraConvencional</name>
    <message>
        <source>Fallo en zona </source>
        <translation>Fault in zone </translation>
    </message>
    <message>
        <source>Fallo en panel</source>
        <translation>Fault in panel</translation>
    </message>
    <message>
        <source>Cualquier alarma en zona </source>
        <translation>Any alarm in zone </translation>
    </message>
    <message>
        <source>Cualquier alarma en panel</source>
        <translation>Any alarm in panel</translation>
    </message>
    <message>
        <source>Fallo de circuito abierto en zona </source>
        <translation>Open circuit fault in zone </translation>
    </message>
    <message>
        <source>Fallo de cortocircuito en zona </source>
        <translation>Short circuit fault in zone </translation>
    </message>
    <message>
        <source>Alarma de detector en zona </source>
        <translation>Detector alarm in zone </translation>
    </message>
    <message>
        <source>Alarma de pulsador en zona </source>
        <translation>Call point alarm in zone </translation>
    </message>
    <message>
        <source>Alarma de pulsador en panel</source>
        <translation>Call point alarm in panel</translation>
    </message>
    <message>
        <source>Entrada auxiliar OFF</source>
        <translation>Auxiliary input OFF</translation>
    </message>
    <message>
        <source>Entrada auxiliar ON</source>
        <translation>Auxiliary input ON</translation>
    </message>
    <message>
        <source> del panel</source>
        <translation> of the panel</translation>
    </message>
    <message>
        <source>Silenciar zumbador y activar led de silenciar central</source>
        <translation>Mute the buzzer and light the panel mute LED</translation>
    </message>
    <message>
        <source>Reset general</source>
        <translation>General reset</translation>
    </message>
    <message>
        <source>Activar sirena</source>
        <translation>Activate sounder</translation>
    </message>
    <message>
        <source>Desactivar sirena</source>
        <translation>Deactivate sounder</translation>
    </message>
    <message>
        <source>Activar la salida </source>
        <translation>Activate output </translation>
    </message>
    <message>
        <source>Desactivar la salida </source>
        <translation>Deactivate output </translation>
    </message>
    <message>
        <source> de la placa auxiliar </source>
        <translation> of auxiliary board </translation>
    </message>
    <message>
        <source>  con retardo de </source>
        <translation>  with a delay of </translation>
    </message>
</context>
<context>
    <name>Mrb500Ctl</name>
    <message>
        <source>no command given; see mrb500ctl --help</source>
        <translation>no command given; see mrb500ctl --help</translation>
    </message>
    <message>
        <source>%1 takes exactly one FILE; see mrb500ctl --help</source>
        <translation>%1 takes exactly one FILE; see mrb500ctl --help</translation>
    </message>
    <message>
        <source>unknown command &quot;%1&quot;; see mrb500ctl --help</source>
        <translation>unknown command &quot;%1&quot;; see mrb500ctl --help</translation>
    </message>
    <message>
        <source>%1 needs --port; see mrb500ctl --help</source>
        <translation>%1 needs --port; see mrb500ctl --help</translation>
    </message>
    <message>
        <source>%1 does not take --%2</source>
        <translation>%1 does not take --%2</translation>
    </message>
    <message>
        <source>%1 takes no FILE; see mrb500ctl --help</source>
        <translation>%1 takes no FILE; see mrb500ctl --help</translation>
    </message>
    <message>
        <source>unknown language &quot;%1&quot;; available: %2</source>
        <translation>unknown language &quot;%1&quot;; available: %2</translation>
    </message>
    <message>
        <source>%1 takes no options but --verbose and --language</source>
        <translation>%1 takes no options but --verbose and --language</translation>
    </message>
    <message>
        <source>cannot write to standard output: %1</source>
        <translation>cannot write to standard output: %1</translation>
    </message>
    <message>
        <source>--trace needs a panel; %1 takes it with --port</source>
        <translation>--trace needs a panel; %1 takes it with --port</translation>
    </message>
    <message>
        <source>%1 --port takes exactly one FILE; see mrb500ctl --help</source>
        <translation>%1 --port takes exactly one FILE; see mrb500ctl --help</translation>
    </message>
    <message>
        <source>%1 takes two FILEs; see mrb500ctl --help</source>
        <translation>%1 takes two FILEs; see mrb500ctl --help</translation>
    </message>
</context>
<context>
    <name>MyActionsWidget</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>INPUTS</source>
        <translation>INPUTS</translation>
    </message>
    <message>
        <source>OUTPUTS</source>
        <translation>OUTPUTS</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Event</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Action</translation>
    </message>
    <message>
        <source>Panel</source>
        <translation>Panel</translation>
    </message>
    <message>
        <source>Zone</source>
        <translation>Zone</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>Input</translation>
    </message>
    <message>
        <source>Sirena</source>
        <translation>Sounder</translation>
    </message>
    <message>
        <source>Aux Module </source>
        <translation>Aux Module </translation>
    </message>
    <message>
        <source>Rele</source>
        <translation>Relay</translation>
    </message>
    <message>
        <source>Please select one event source from the event tree</source>
        <translation>Please select one event source from the event tree</translation>
    </message>
    <message>
        <source>Please select one action from the action tree</source>
        <translation>Please select one action from the action tree</translation>
    </message>
    <message>
        <source>A maneuver can have at most %1 events; %2 are selected.</source>
        <translation>A maneuver can have at most %1 events; %2 are selected.</translation>
    </message>
    <message>
        <source>Limite máximo maniobras lógicas permitidas: </source>
        <translation>Maximum number of logic maneuvers allowed: </translation>
    </message>
    <message>
        <source>Limite máximo maniobras simples permitidas: </source>
        <translation>Maximum number of simple maneuvers allowed: </translation>
    </message>
</context>
<context>
    <name>MyMainWidget</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Elements</source>
        <translation>Elements</translation>
    </message>
    <message>
        <source>Actions</source>
        <translation>Actions</translation>
    </message>
    <message>
        <source>Advanced Configuration</source>
        <translation>Advanced Configuration</translation>
    </message>
</context>
<context>
    <name>MyMainWindow</name>
    <message>
        <source>Xml files (*.xml)</source>
        <translation>Xml files (*.xml)</translation>
    </message>
    <message>
        <source>Download Panel</source>
        <translation>Download Panel</translation>
    </message>
    <message>
        <source>Upload Panel</source>
        <translation>Upload Panel</translation>
    </message>
    <message>
        <source>Open Xml</source>
        <translation>Open Xml</translation>
    </message>
    <message>
        <source>Could not open %1.</source>
        <translation>Could not open %1.</translation>
    </message>
    <message>
        <source>Save Xml</source>
        <translation>Save Xml</translation>
    </message>
    <message>
        <source>Could not save %1.</source>
        <translation>Could not save %1.</translation>
    </message>
    <message>
        <source>Close Confirmation</source>
        <translation>Close Confirmation</translation>
    </message>
    <message>
        <source>Are you sure you want to quit?</source>
        <translation>Are you sure you want to quit?</translation>
    </message>
    <message>
        <source>Unsaved changes</source>
        <translation>Unsaved changes</translation>
    </message>
    <message>
        <source>Error uploading to panel.</source>
        <translation>Error uploading to panel.</translation>
    </message>
    <message>
        <source>please, introduce a number of zones</source>
        <translation>please, introduce a number of zones</translation>
    </message>
    <message>
        <source>Download ok</source>
        <translation>Download ok</translation>
    </message>
    <message>
        <source>Compare with panel</source>
        <translation>Compare with panel</translation>
    </message>
    <message>
        <source>Export report...</source>
        <translation>Export report...</translation>
    </message>
    <message>
        <source>Could not export the report.</source>
        <translation>Could not export the report.</translation>
    </message>
    <message>
        <source>Could not compare with the panel.</source>
        <translation>Could not compare with the panel.</translation>
    </message>
    <message>
        <source>The current configuration has changes that have not been saved. Save them before reading the configuration of the panel?</source>
        <translation>The current configuration has changes that have not been saved. Save them before reading the configuration of the panel?</translation>
    </message>
    <message>
        <source>The current configuration has changes that have not been saved. Save them before creating a new configuration?</source>
        <translation>The current configuration has changes that have not been saved. Save them before creating a new configuration?</translation>
    </message>
    <message>
        <source>Confirmation</source>
        <translation>Confirmation</translation>
    </message>
    <message>
        <source>Do you want to erase current configuration and create a new one</source>
        <translation>Do you want to erase current configuration and create a new one</translation>
    </message>
    <message>
        <source>The current configuration has changes that have not been saved. Save them before opening another file?</source>
        <translation>The current configuration has changes that have not been saved. Save them before opening another file?</translation>
    </message>
    <message>
        <source>The current configuration has changes that have not been saved. Save them before quitting?</source>
        <translation>The current configuration has changes that have not been saved. Save them before quitting?</translation>
    </message>
    <message>
        <source>Check these points of %1 before uploading it:</source>
        <translation>Check these points of %1 before uploading it:</translation>
    </message>
</context>
<context>
    <name>MyXMLHandler</name>
    <message>
        <source>element &quot;%1&quot;, attribute &quot;%2&quot;: &quot;%3&quot; is not a number</source>
        <translation>element &quot;%1&quot;, attribute &quot;%2&quot;: &quot;%3&quot; is not a number</translation>
    </message>
    <message>
        <source>element &quot;%1&quot;, attribute &quot;%2&quot;: %3 does not fit %4 to %5</source>
        <translation>element &quot;%1&quot;, attribute &quot;%2&quot;: %3 does not fit %4 to %5</translation>
    </message>
    <message>
        <source>element &quot;Zone&quot; has no attribute &quot;number&quot;</source>
        <translation>element &quot;Zone&quot; has no attribute &quot;number&quot;</translation>
    </message>
    <message>
        <source>element &quot;Zone&quot;: %1</source>
        <translation>element &quot;Zone&quot;: %1</translation>
    </message>
    <message>
        <source>element &quot;%1&quot; ignored</source>
        <translation>element &quot;%1&quot; ignored</translation>
    </message>
    <message>
        <source>Maneuver %1 has no &quot;Action&quot; element (line %2)</source>
        <translation>Maneuver %1 has no &quot;Action&quot; element (line %2)</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>line %1: %2</translation>
    </message>
    <message>
        <source>attribute &quot;%1&quot; of &quot;%2&quot; ignored</source>
        <translation>attribute &quot;%1&quot; of &quot;%2&quot; ignored</translation>
    </message>
</context>
<context>
    <name>MyXMLWriter</name>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Cannot write %1: %2</translation>
    </message>
    <message>
        <source>Cannot write the configuration: %1</source>
        <translation>Cannot write the configuration: %1</translation>
    </message>
    <message>
        <source>%1 contains a control character, which a configuration file cannot hold</source>
        <translation>%1 contains a control character, which a configuration file cannot hold</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; contains a control character, which a configuration file cannot hold</source>
        <translation>%1 &quot;%2&quot; contains a control character, which a configuration file cannot hold</translation>
    </message>
</context>
<context>
    <name>PanelCommands</name>
    <message>
        <source>Upload Panel</source>
        <translation>Upload Panel</translation>
    </message>
    <message>
        <source>Error uploading to panel.</source>
        <translation>Error uploading to panel.</translation>
    </message>
    <message>
        <source>Download Panel</source>
        <translation>Download Panel</translation>
    </message>
    <message>
        <source>Error downloading from panel.</source>
        <translation>Error downloading from panel.</translation>
    </message>
    <message>
        <source>Compare with panel</source>
        <translation>Compare with panel</translation>
    </message>
    <message>
        <source>The panel cannot hold this configuration, so nothing was sent:</source>
        <translation>The panel cannot hold this configuration, so nothing was sent:</translation>
    </message>
    <message>
        <source>Upload ok!</source>
        <translation>Upload ok!</translation>
    </message>
    <message>
        <source>Every record was read back from the panel and matches what was sent.</source>
        <translation>Every record was read back from the panel and matches what was sent.</translation>
    </message>
    <message>
        <source>The panel&apos;s previous configuration was saved as %1.</source>
        <translation>The panel&apos;s previous configuration was saved as %1.</translation>
    </message>
    <message>
        <source>It is kept as the panel&apos;s records only, without an XML view: %1</source>
        <translation>It is kept as the panel&apos;s records only, without an XML view: %1</translation>
    </message>
    <message>
        <source>Descargando configuracion de la central...</source>
        <translation>Downloading the configuration from the panel...</translation>
    </message>
    <message>
        <source>No differences: the panel holds this configuration.</source>
        <translation>No differences: the panel holds this configuration.</translation>
    </message>
    <message>
        <source>Differences between the panel (before) and this configuration (after): %1</source>
        <translation>Differences between the panel (before) and this configuration (after): %1</translation>
    </message>
    <message>
        <source>No backup of the panel&apos;s configuration could be made:</source>
        <translation>No backup of the panel&apos;s configuration could be made:</translation>
    </message>
    <message>
        <source>Upload without a backup? The panel&apos;s present configuration will be lost.</source>
        <translation>Upload without a backup? The panel&apos;s present configuration will be lost.</translation>
    </message>
    <message>
        <source>Warnings about this configuration:</source>
        <translation>Warnings about this configuration:</translation>
    </message>
    <message>
        <source>The panel could not be read, so what it holds now is unknown. Write this configuration to it?</source>
        <translation>The panel could not be read, so what it holds now is unknown. Write this configuration to it?</translation>
    </message>
    <message>
        <source>The panel already holds this configuration. Write it again?</source>
        <translation>The panel already holds this configuration. Write it again?</translation>
    </message>
    <message>
        <source>These changes will be written to the panel:</source>
        <translation>These changes will be written to the panel:</translation>
    </message>
    <message>
        <source>Reading the panel for a backup...</source>
        <translation>Reading the panel for a backup...</translation>
    </message>
    <message>
        <source>Reading the panel...</source>
        <translation>Reading the panel...</translation>
    </message>
    <message>
        <source>Cargando configuracion a la central...</source>
        <translation>Uploading the configuration to the panel...</translation>
    </message>
    <message>
        <source>No serial port chosen</source>
        <translation>No serial port chosen</translation>
    </message>
</context>
<context>
    <name>PanelConfiguration</name>
    <message>
        <source>there is no zone %1; zones are numbered 1 to %2</source>
        <translation>there is no zone %1; zones are numbered 1 to %2</translation>
    </message>
    <message>
        <source>the name of zone %1 has %2 characters; at most %3</source>
        <translation>the name of zone %1 has %2 characters; at most %3</translation>
    </message>
    <message>
        <source>the name of zone %1 contains a control character</source>
        <translation>the name of zone %1 contains a control character</translation>
    </message>
</context>
<context>
    <name>PanelMemoryFile</name>
    <message>
        <source>cannot read %1: %2</source>
        <translation>cannot read %1: %2</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>cannot write %1: %2</translation>
    </message>
</context>
<context>
    <name>PanelRecords</name>
    <message>
        <source>table %1 record %2 is missing</source>
        <translation>table %1 record %2 is missing</translation>
    </message>
    <message>
        <source>table %1 record %2 is not one the panel&apos;s configuration uses</source>
        <translation>table %1 record %2 is not one the panel&apos;s configuration uses</translation>
    </message>
    <message>
        <source>table %1 record %2 holds %3 bytes instead of %4</source>
        <translation>table %1 record %2 holds %3 bytes instead of %4</translation>
    </message>
</context>
<context>
    <name>PanelRecordsText</name>
    <message>
        <source>line %1: expected the heading &quot;%2&quot; on the first line only</source>
        <translation>line %1: expected the heading &quot;%2&quot; on the first line only</translation>
    </message>
    <message>
        <source>line %1: expected &quot;table record&quot; and 32 hex digits</source>
        <translation>line %1: expected &quot;table record&quot; and 32 hex digits</translation>
    </message>
    <message>
        <source>line %1: table %2 record %3 is listed a second time</source>
        <translation>line %1: table %2 record %3 is listed a second time</translation>
    </message>
</context>
<context>
    <name>PanelTableSteps</name>
    <message>
        <source>the simple maneuvers do not fit their table</source>
        <translation>the simple maneuvers do not fit their table</translation>
    </message>
    <message>
        <source>the logic maneuvers do not fit their tables</source>
        <translation>the logic maneuvers do not fit their tables</translation>
    </message>
</context>
<context>
    <name>PanelTransfers</name>
    <message>
        <source>a transfer with the panel is already running</source>
        <translation>a transfer with the panel is already running</translation>
    </message>
    <message>
        <source>stopped before the %1 began</source>
        <translation>stopped before the %1 began</translation>
    </message>
    <message>
        <source>no serial port chosen</source>
        <translation>no serial port chosen</translation>
    </message>
    <message>
        <source>the panel cannot hold this configuration: %1</source>
        <translation>the panel cannot hold this configuration: %1</translation>
    </message>
    <message>
        <source>upload</source>
        <translation>upload</translation>
    </message>
    <message>
        <source>restore</source>
        <translation>restore</translation>
    </message>
    <message>
        <source>these records cannot be restored: %1</source>
        <translation>these records cannot be restored: %1</translation>
    </message>
    <message>
        <source>the panel holds 0x%1 at byte %2 where 0x%3 was written (verify table %4 record %5)</source>
        <translation>the panel holds 0x%1 at byte %2 where 0x%3 was written (verify table %4 record %5)</translation>
    </message>
    <message>
        <source>download</source>
        <translation>download</translation>
    </message>
    <message>
        <source>the general record is too short</source>
        <translation>the general record is too short</translation>
    </message>
    <message>
        <source>the web server image is too short</source>
        <translation>the web server image is too short</translation>
    </message>
    <message>
        <source>connection check</source>
        <translation>connection check</translation>
    </message>
</context>
<context>
    <name>PtyPanel</name>
    <message>
        <source>cannot open a pseudo-terminal: %1</source>
        <translation>cannot open a pseudo-terminal: %1</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>N/A</source>
        <translation>N/A</translation>
    </message>
</context>
<context>
    <name>ReportExport</name>
    <message>
        <source>Export report...</source>
        <translation>Export report...</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF files (*.pdf)</translation>
    </message>
    <message>
        <source>Could not export the report.</source>
        <translation>Could not export the report.</translation>
    </message>
    <message>
        <source>Report saved as %1, matrix as %2.</source>
        <translation>Report saved as %1, matrix as %2.</translation>
    </message>
</context>
<context>
    <name>SettingsDialog</name>
    <message>
        <source>Settings</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>Select Parameters</source>
        <translation>Select Parameters</translation>
    </message>
    <message>
        <source>BaudRate:</source>
        <translation>BaudRate:</translation>
    </message>
    <message>
        <source>Data bits:</source>
        <translation>Data bits:</translation>
    </message>
    <message>
        <source>Parity:</source>
        <translation>Parity:</translation>
    </message>
    <message>
        <source>Stop bits:</source>
        <translation>Stop bits:</translation>
    </message>
    <message>
        <source>Flow control:</source>
        <translation>Flow control:</translation>
    </message>
    <message>
        <source>Select Serial Port</source>
        <translation>Select Serial Port</translation>
    </message>
    <message>
        <source>Description:</source>
        <translation>Description:</translation>
    </message>
    <message>
        <source>Manufacturer:</source>
        <translation>Manufacturer:</translation>
    </message>
    <message>
        <source>Location:</source>
        <translation>Location:</translation>
    </message>
    <message>
        <source>Vendor ID:</source>
        <translation>Vendor ID:</translation>
    </message>
    <message>
        <source>Product ID:</source>
        <translation>Product ID:</translation>
    </message>
    <message>
        <source>Show all serial ports</source>
        <translation>Show all serial ports</translation>
    </message>
    <message>
        <source>Other port:</source>
        <translation>Other port:</translation>
    </message>
    <message>
        <source>A port that is not listed, by name or path (for example a simulator&apos;s terminal). When filled in, it is used instead of the list.</source>
        <translation>A port that is not listed, by name or path (for example a simulator&apos;s terminal). When filled in, it is used instead of the list.</translation>
    </message>
    <message>
        <source>Additional options</source>
        <translation>Additional options</translation>
    </message>
    <message>
        <source>Local echo</source>
        <translation>Local echo</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Apply</translation>
    </message>
    <message>
        <source>Description: %1</source>
        <translation>Description: %1</translation>
    </message>
    <message>
        <source>Manufacturer: %1</source>
        <translation>Manufacturer: %1</translation>
    </message>
    <message>
        <source>Location: %1</source>
        <translation>Location: %1</translation>
    </message>
    <message>
        <source>Vendor Identifier: %1</source>
        <translation>Vendor Identifier: %1</translation>
    </message>
    <message>
        <source>Product Identifier: %1</source>
        <translation>Product Identifier: %1</translation>
    </message>
</context>
<context>
    <name>UnsavedEdits</name>
    <message>
        <source>On the page %1:</source>
        <translation>On the page %1:</translation>
    </message>
    <message>
        <source>Correct these fields first:</source>
        <translation>Correct these fields first:</translation>
    </message>
</context>
<context>
    <name>WindowMenus</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>Download Panel</source>
        <translation>Download Panel</translation>
    </message>
    <message>
        <source>Upload Panel</source>
        <translation>Upload Panel</translation>
    </message>
    <message>
        <source>Compare with panel</source>
        <translation>Compare with panel</translation>
    </message>
    <message>
        <source>New</source>
        <translation>New</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Save as</source>
        <translation>Save as</translation>
    </message>
    <message>
        <source>Export report...</source>
        <translation>Export report...</translation>
    </message>
    <message>
        <source>Configure serial port</source>
        <translation>Configure serial port</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quit</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>View advanced options</source>
        <translation>View advanced options</translation>
    </message>
    <message>
        <source>Verify after upload</source>
        <translation>Verify after upload</translation>
    </message>
    <message>
        <source>View link log</source>
        <translation>View link log</translation>
    </message>
    <message>
        <source>&amp;Configuration</source>
        <translation>&amp;Configuration</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;About</translation>
    </message>
    <message>
        <source>About</source>
        <translation>About</translation>
    </message>
    <message>
        <source>File</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Download Config from panel</source>
        <translation>Download Config from panel</translation>
    </message>
    <message>
        <source>Upload Config to panel</source>
        <translation>Upload Config to panel</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Edit</translation>
    </message>
</context>
<context>
    <name>XmlConfigReader</name>
    <message>
        <source>%1: cannot read: %2</source>
        <translation>%1: cannot read: %2</translation>
    </message>
    <message>
        <source>%1: larger than %2 bytes; not a configuration file</source>
        <translation>%1: larger than %2 bytes; not a configuration file</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>larger than %1 bytes; not a configuration file</source>
        <translation>larger than %1 bytes; not a configuration file</translation>
    </message>
    <message>
        <source>document type declarations are not accepted</source>
        <translation>document type declarations are not accepted</translation>
    </message>
    <message>
        <source>not well-formed XML (%1)</source>
        <translation>not well-formed XML (%1)</translation>
    </message>
    <message>
        <source>line %1, column %2: %3</source>
        <translation>line %1, column %2: %3</translation>
    </message>
    <message>
        <source>the root element is &quot;%1&quot;, not &quot;CONFIG&quot;: not a configuration file</source>
        <translation>the root element is &quot;%1&quot;, not &quot;CONFIG&quot;: not a configuration file</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Prepares the configuration of an MRB-500 panel.</source>
        <translation>Prepares the configuration of an MRB-500 panel.</translation>
    </message>
    <message>
        <source>Serial port of the panel (any name or path).</source>
        <translation>Serial port of the panel (any name or path).</translation>
    </message>
    <message>
        <source>Configuration file to open.</source>
        <translation>Configuration file to open.</translation>
    </message>
    <message>
        <source>at most one FILE</source>
        <translation>at most one FILE</translation>
    </message>
</context>
<context>
    <name>myAdvancedConfigurationWidget</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>&lt;b&gt;&lt;u&gt;Configuración Panel&lt;/u&gt;&lt;/b&gt;</source>
        <translation>&lt;b&gt;&lt;u&gt;Panel Configuration&lt;/u&gt;&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Cancelar Retardo después de segunda alarma</source>
        <translation>Cancel delay after a second alarm</translation>
    </message>
    <message>
        <source>Sirena 1</source>
        <translation>Sounder 1</translation>
    </message>
    <message>
        <source>Sirena 2</source>
        <translation>Sounder 2</translation>
    </message>
    <message>
        <source>Cancelar Retardo si la alarma es de pulsador</source>
        <translation>Cancel delay if the alarm comes from a call point</translation>
    </message>
    <message>
        <source>Considerar cortocircuito como Alarma</source>
        <translation>Treat a short circuit as an alarm</translation>
    </message>
    <message>
        <source>Modo Confirmación</source>
        <translation>Confirmation mode</translation>
    </message>
    <message>
        <source> Retardo </source>
        <translation> Delay </translation>
    </message>
    <message>
        <source>seg</source>
        <translation>s</translation>
    </message>
    <message>
        <source>Configuración Web Server</source>
        <translation>Web Server Configuration</translation>
    </message>
    <message>
        <source>DHCP</source>
        <translation>DHCP</translation>
    </message>
    <message>
        <source>IP</source>
        <translation>IP</translation>
    </message>
    <message>
        <source>Máscara de red</source>
        <translation>Net mask</translation>
    </message>
    <message>
        <source>Puerta de enlace</source>
        <translation>Gateway</translation>
    </message>
    <message>
        <source>Login</source>
        <translation>Login</translation>
    </message>
    <message>
        <source>Nombre de usuario</source>
        <translation>User name</translation>
    </message>
    <message>
        <source>Contraseña</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>Idioma web</source>
        <translation>Web language</translation>
    </message>
    <message>
        <source>Español</source>
        <translation>Spanish</translation>
    </message>
    <message>
        <source>Ingles</source>
        <translation>English</translation>
    </message>
    <message>
        <source>Configuración SMTP</source>
        <translation>SMTP Configuration</translation>
    </message>
    <message>
        <source>Habilitar</source>
        <translation>Enable</translation>
    </message>
    <message>
        <source>Nombre del servidor</source>
        <translation>Server name</translation>
    </message>
    <message>
        <source>Puerto</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Autenticación</source>
        <translation>Authentication</translation>
    </message>
    <message>
        <source>Plana</source>
        <translation>Plain</translation>
    </message>
    <message>
        <source>Correo de salida</source>
        <translation>Sender address</translation>
    </message>
    <message>
        <source>Correo destino</source>
        <translation>Recipient address</translation>
    </message>
    <message>
        <source>Enviar correos</source>
        <translation>Send e-mails for</translation>
    </message>
    <message>
        <source>Alarmas</source>
        <translation>Alarms</translation>
    </message>
    <message>
        <source>Averías</source>
        <translation>Faults</translation>
    </message>
    <message>
        <source>Nombre de la instalación</source>
        <translation>Installation name</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Advanced Configuration</source>
        <translation>Advanced Configuration</translation>
    </message>
    <message>
        <source>The Advanced Configuration page cannot show these values as they are. Each is kept unchanged until you change its setting on the page:</source>
        <translation>The Advanced Configuration page cannot show these values as they are. Each is kept unchanged until you change its setting on the page:</translation>
    </message>
</context>
<context>
    <name>myconfigurationwidget</name>
    <message>
        <source>Dialog</source>
        <translation>Dialog</translation>
    </message>
    <message>
        <source>Número de zonas</source>
        <translation>Number of zones</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Select</translation>
    </message>
    <message>
        <source>2</source>
        <translation>2</translation>
    </message>
    <message>
        <source>4</source>
        <translation>4</translation>
    </message>
    <message>
        <source>8</source>
        <translation>8</translation>
    </message>
    <message>
        <source>12</source>
        <translation>12</translation>
    </message>
    <message>
        <source>Tarjeta Auxiliar 1</source>
        <translation>Auxiliary Board 1</translation>
    </message>
    <message>
        <source>tipo de tarjeta:</source>
        <translation>board type:</translation>
    </message>
    <message>
        <source>Ninguna</source>
        <translation>None</translation>
    </message>
    <message>
        <source>Sirenas</source>
        <translation>Sounders</translation>
    </message>
    <message>
        <source>Relés</source>
        <translation>Relays</translation>
    </message>
    <message>
        <source>Tarjeta Auxiliar 2</source>
        <translation>Auxiliary Board 2</translation>
    </message>
    <message>
        <source>Tarjeta Auxiliar 3</source>
        <translation>Auxiliary Board 3</translation>
    </message>
    <message>
        <source>Please introduce a valid number of zones before proceeding with the configuration</source>
        <translation>Please introduce a valid number of zones before proceeding with the configuration</translation>
    </message>
    <message>
        <source>Zone names</source>
        <translation>Zone names</translation>
    </message>
    <message>
        <source>Zone %1</source>
        <translation>Zone %1</translation>
    </message>
</context>
</TS>
