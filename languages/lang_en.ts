<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>ConfigurationCheck</name>
    <message>
        <source>%1 contains &quot;%2&quot;, which is not a Latin-1 character</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 has %2 characters; the panel holds at most %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 simple maneuvers; the panel holds at most %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 logic maneuvers; the panel holds at most %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The number of zones is %1; panels have 0, 2, 4, 8 or 12</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auxiliary board %1 has the unknown type %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Maneuver %1 has no event</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Maneuver %1 has %2 events; the panel holds at most %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Maneuver %1 uses zone %2, but the panel has %3 zones</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Maneuver %1 acts on auxiliary board %2, which is not fitted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Web server user</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Web server password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E-mail server</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E-mail user</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E-mail password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sender mailbox</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sender domain</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recipient mailbox</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recipient domain</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Installation name</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ConfigurationSummary</name>
    <message>
        <source>on</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sounder 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sounder 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>none</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not set</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>set</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sounder board</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>relay board</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown type %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zones: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auxiliary board %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alarm confirmation: %1, delay %2 s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Short circuit counts as alarm: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sounder delay cancelled by a second alarm: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sounder delay cancelled by a manual call point: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Web server: language %1, %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>English</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>address by DHCP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>address %1, netmask %2, gateway %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Web login: user &quot;%1&quot;, password %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Web login: off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>alarms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>faults</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E-mail: on, installation &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E-mail server: %1 port %2, %3 authentication, user &quot;%4&quot;, password %5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>plain</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E-mail from %1@%2 to %3@%4, for %5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nothing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E-mail: off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Maneuvers: %1 (%2 simple, %3 logic)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DialogAbout</name>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trevik Fire USB Configuration Software version </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compilation Date %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Support: ask on the project&apos;s issue tracker, or read the &lt;a href=&quot;file:///usr/share/doc/mrb500-configurator/README.md&quot;&gt;README&lt;/a&gt; that comes with the program.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copyright the MRB-500 configurator contributors. Free software: you may use, study, share and change it. It comes with no warranty; check every configuration on the panel before relying on it.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ManiobraConvencional</name>
    <message>
        <source>Fallo en zona </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fallo en panel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cualquier alarma en zona </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cualquier alarma en panel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fallo de circuito abierto en zona </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fallo de cortocircuito en zona </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alarma de detector en zona </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alarma de pulsador en zona </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alarma de pulsador en panel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Entrada auxiliar OFF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Entrada auxiliar ON</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> del panel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Silenciar zumbador y activar led de silenciar central</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset general</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Activar sirena</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Desactivar sirena</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Activar la salida </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Desactivar la salida </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> de la placa auxiliar </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  con retardo de </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Mrb500Ctl</name>
    <message>
        <source>Inspects MRB-500 configuration files.

Commands:
  show FILE       human-readable summary
  dump FILE       the whole configuration as one JSON object
  validate FILE   one line per problem; exit status 1 on any error

Exit status: 0 success, 1 the operation failed, 2 usage error or a file that cannot be read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>show, dump or validate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A configuration file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print diagnostic lines on standard error.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no command given; see mrb500ctl --help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 takes exactly one FILE; see mrb500ctl --help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown command &quot;%1&quot;; see mrb500ctl --help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>error: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>warning: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: no problems found</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MyActionsWidget</name>
    <message>
        <source>Form</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>INPUTS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OUTPUTS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Event</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Action</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Panel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Input</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sirena</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aux Module </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rele</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MyMainWidget</name>
    <message>
        <source>Form</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Elements</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Actions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Advanced Configuration</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MyMainWindow</name>
    <message>
        <source>Xml files (*.xml)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download Panel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Upload Panel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save as</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Configure serial port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>View advanced options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Configuration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download Config from panel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Upload Config to panel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Panel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This version cannot talk to the panel yet. Nothing was sent or received.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Xml</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not open %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Xml</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not save %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close Confirmation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure you want to quit?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MyXMLHandler</name>
    <message>
        <source>element &quot;%1&quot;, attribute &quot;%2&quot;: &quot;%3&quot; is not a number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>element &quot;%1&quot;, attribute &quot;%2&quot;: %3 does not fit %4 to %5</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MyXMLWriter</name>
    <message>
        <source>Cannot write %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot write the configuration: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The text &quot;%1&quot; contains a control character that a configuration file cannot hold</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>XmlConfigReader</name>
    <message>
        <source>%1: cannot read: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: larger than %2 bytes; not a configuration file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>larger than %1 bytes; not a configuration file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>document type declarations are not accepted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not well-formed XML (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>line %1, column %2: %3</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Prepares the configuration of an MRB-500 panel.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Serial port of the panel (any name or path).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Configuration file to open.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>myAdvancedConfigurationWidget</name>
    <message>
        <source>Form</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;&lt;u&gt;Configuración Panel&lt;/u&gt;&lt;/b&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancelar Retardo después de segunda alarma</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sirena 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sirena 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancelar Retardo si la alarma es de pulsador</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Considerar cortocircuito como Alarma</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modo Confirmación</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Retardo </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>seg</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Configuración Web Server</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DHCP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Máscara de red</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Puerta de enlace</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Login</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nombre de usuario</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Contraseña</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Idioma web</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Español</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ingles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Configuración SMTP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Habilitar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nombre del servidor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Puerto</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Autenticación</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Plana</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Correo de salida</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Correo destino</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enviar correos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alarmas</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Averías</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nombre de la instalación</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>myconfigurationwidget</name>
    <message>
        <source>Dialog</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Número de zonas</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>8</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>12</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tarjeta Auxiliar 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>tipo de tarjeta:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ninguna</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sirenas</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Relés</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tarjeta Auxiliar 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tarjeta Auxiliar 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please introduce a valid number of zones before proceeding with the configuration</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
