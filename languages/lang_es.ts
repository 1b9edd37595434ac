<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>BackupStore</name>
    <message>
        <source>cannot create the backup folder %1</source>
        <translation>no se puede crear la carpeta de copias de seguridad %1</translation>
    </message>
    <message>
        <source>too many backups at the same moment in %1</source>
        <translation>demasiadas copias de seguridad en el mismo instante en %1</translation>
    </message>
    <message>
        <source>cannot record the upload in the backup folder: %1</source>
        <translation>no se puede registrar la carga en la carpeta de copias de seguridad: %1</translation>
    </message>
    <message>
        <source>cannot save the backup: cannot write %1: %2</source>
        <translation>no se puede guardar la copia de seguridad: no se puede escribir %1: %2</translation>
    </message>
    <message>
        <source>larger than a backup can be</source>
        <translation>es más grande de lo que puede ser una copia de seguridad</translation>
    </message>
    <message>
        <source>cannot read the backup %1: %2</source>
        <translation>no se puede leer la copia de seguridad %1: %2</translation>
    </message>
    <message>
        <source>cannot read the backup %1: its panel records %2: %3</source>
        <translation>no se puede leer la copia de seguridad %1: sus registros de la central %2: %3</translation>
    </message>
    <message>
        <source>The panel is now only partly written: it holds part of its previous configuration and part of the new one. No backup of it was taken, so the configuration must be uploaded again.</source>
        <translation>La central ha quedado escrita solo en parte: tiene parte de su configuración anterior y parte de la nueva. No se hizo ninguna copia de seguridad de ella, así que hay que cargar la configuración de nuevo.</translation>
    </message>
    <message>
        <source>The panel is now only partly written: it holds part of its previous configuration and part of the new one. To put back what it held before, from the backup, run: mrb500ctl restore %1 --port %2</source>
        <translation>La central ha quedado escrita solo en parte: tiene parte de su configuración anterior y parte de la nueva. Para devolverle lo que tenía antes, desde la copia de seguridad, ejecute: mrb500ctl restore %1 --port %2</translation>
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
        <translation>Causa</translation>
    </message>
    <message>
        <source>Zone names</source>
        <translation>Nombres de zona</translation>
    </message>
</context>
<context>
    <name>CauseEffectReport</name>
    <message>
        <source>Setting</source>
        <translation>Ajuste</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Valor</translation>
    </message>
    <message>
        <source>not available: %1</source>
        <translation>no disponible: %1</translation>
    </message>
    <message>
        <source>(no installation name)</source>
        <translation>(sin nombre de instalación)</translation>
    </message>
    <message>
        <source>Cause-and-effect report</source>
        <translation>Informe de causa y efecto</translation>
    </message>
    <message>
        <source>Installation</source>
        <translation>Instalación</translation>
    </message>
    <message>
        <source>Configuration file</source>
        <translation>Archivo de configuración</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Tool</source>
        <translation>Herramienta</translation>
    </message>
    <message>
        <source>Configuration fingerprint</source>
        <translation>Huella de la configuración</translation>
    </message>
    <message>
        <source>The fingerprint is a checksum of everything the panel stores. A configuration downloaded from the panel gives the same value.</source>
        <translation>La huella es una suma de comprobación de todo lo que guarda la central. Una configuración descargada de la central da el mismo valor.</translation>
    </message>
    <message>
        <source>Zones</source>
        <translation>Zonas</translation>
    </message>
    <message>
        <source>Zone</source>
        <translation>Zona</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>No zones.</source>
        <translation>Sin zonas.</translation>
    </message>
    <message>
        <source>Auxiliary boards</source>
        <translation>Placas auxiliares</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Placa</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Cause-and-effect matrix</source>
        <translation>Matriz de causa y efecto</translation>
    </message>
    <message>
        <source>No maneuvers.</source>
        <translation>Sin maniobras.</translation>
    </message>
    <message>
        <source>Rows: causes. Columns: effects E1, E2, ... as listed below. A cell holds the delay before the effect, or %1 when it is immediate.</source>
        <translation>Filas: causas. Columnas: efectos E1, E2, ... según la lista de abajo. Una celda indica el retardo antes del efecto, o %1 si es inmediato.</translation>
    </message>
    <message>
        <source>Cause</source>
        <translation>Causa</translation>
    </message>
    <message>
        <source>Effect</source>
        <translation>Efecto</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Acción</translation>
    </message>
    <message>
        <source>Maneuvers</source>
        <translation>Maniobras</translation>
    </message>
    <message>
        <source>logic</source>
        <translation>lógica</translation>
    </message>
    <message>
        <source>simple</source>
        <translation>simple</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Events</source>
        <translation>Eventos</translation>
    </message>
    <message>
        <source>Consistency check</source>
        <translation>Comprobación de coherencia</translation>
    </message>
    <message>
        <source>No problems found.</source>
        <translation>No se han encontrado problemas.</translation>
    </message>
    <message>
        <source>Error:</source>
        <translation>Error:</translation>
    </message>
    <message>
        <source>Warning:</source>
        <translation>Aviso:</translation>
    </message>
    <message>
        <source>%1Fingerprint %2 · Page %3 of %4</source>
        <translation>%1Huella %2 · Página %3 de %4</translation>
    </message>
    <message>
        <source>not available</source>
        <translation>no disponible</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>no se puede escribir %1: %2</translation>
    </message>
    <message>
        <source>cannot write %1: the PDF could not be started</source>
        <translation>no se puede escribir %1: no se pudo iniciar el PDF</translation>
    </message>
</context>
<context>
    <name>CmdConvencional</name>
    <message>
        <source>record holds %1 bytes instead of %2 (write table %3 record %4)</source>
        <translation>el registro tiene %1 bytes en lugar de %2 (escribir tabla %3 registro %4)</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>%1 (%2, sent %3 times)</source>
        <translation>%1 (%2, enviado %3 veces)</translation>
    </message>
    <message>
        <source>stopped during %1: %2</source>
        <translation>detenida durante %1: %2</translation>
    </message>
    <message>
        <source>stopped before %1</source>
        <translation>detenida antes de %1</translation>
    </message>
    <message>
        <source>stopped after %1</source>
        <translation>detenida después de %1</translation>
    </message>
    <message>
        <source>no answer, sending again (%1 of %2)</source>
        <translation>sin respuesta, se envía de nuevo (%1 de %2)</translation>
    </message>
    <message>
        <source>damaged answer, sending again (%1 of %2)</source>
        <translation>respuesta dañada, se envía de nuevo (%1 de %2)</translation>
    </message>
</context>
<context>
    <name>CommandCodec</name>
    <message>
        <source>unknown command</source>
        <translation>orden desconocida</translation>
    </message>
    <message>
        <source>reset panel</source>
        <translation>reiniciar central</translation>
    </message>
    <message>
        <source>erase table %1</source>
        <translation>borrar tabla %1</translation>
    </message>
    <message>
        <source>write table %1 record %2</source>
        <translation>escribir tabla %1 registro %2</translation>
    </message>
    <message>
        <source>read table %1 record %2</source>
        <translation>leer tabla %1 registro %2</translation>
    </message>
    <message>
        <source>begin upload</source>
        <translation>iniciar carga</translation>
    </message>
    <message>
        <source>command 0x%1</source>
        <translation>orden 0x%1</translation>
    </message>
    <message>
        <source>answer has %1 bytes, fewer than the %2 of its head</source>
        <translation>la respuesta tiene %1 bytes, menos que los %2 de su cabecera</translation>
    </message>
    <message>
        <source>panel refused with status %1</source>
        <translation>la central rechazó con estado %1</translation>
    </message>
    <message>
        <source>answer carries %1 data bytes instead of %2</source>
        <translation>la respuesta trae %1 bytes de datos en lugar de %2</translation>
    </message>
</context>
<context>
    <name>CommissioningWorkflow</name>
    <message>
        <source>the panel cannot hold this configuration: %1</source>
        <translation>la central no admite esta configuración: %1</translation>
    </message>
    <message>
        <source>the backup %1 cannot be restored: %2</source>
        <translation>la copia de seguridad %1 no se puede restaurar: %2</translation>
    </message>
</context>
<context>
    <name>ConfigurationCheck</name>
    <message>
        <source>%1 contains &quot;%2&quot;, which is not a Latin-1 character</source>
        <translation>%1 contiene «%2», que no es un carácter Latin-1</translation>
    </message>
    <message>
        <source>%1 has %2 characters; the panel holds at most %3</source>
        <translation>%1 tiene %2 caracteres; la central admite como máximo %3</translation>
    </message>
    <message>
        <source>%1 simple maneuvers; the panel holds at most %2</source>
        <translation>%1 maniobras simples; la central admite como máximo %2</translation>
    </message>
    <message>
        <source>%1 logic maneuvers; the panel holds at most %2</source>
        <translation>%1 maniobras lógicas; la central admite como máximo %2</translation>
    </message>
    <message>
        <source>The number of zones is %1; panels have 0, 2, 4, 8 or 12</source>
        <translation>El número de zonas es %1; las centrales tienen 0, 2, 4, 8 o 12</translation>
    </message>
    <message>
        <source>Auxiliary board %1 has the unknown type %2</source>
        <translation>La tarjeta auxiliar %1 tiene el tipo desconocido %2</translation>
    </message>
    <message>
        <source>Maneuver %1 has no event</source>
        <translation>La maniobra %1 no tiene ningún evento</translation>
    </message>
    <message>
        <source>Maneuver %1 has %2 events; the panel holds at most %3</source>
        <translation>La maniobra %1 tiene %2 eventos; la central admite como máximo %3</translation>
    </message>
    <message>
        <source>Maneuver %1 uses zone %2, but the panel has %3 zones</source>
        <translation>La maniobra %1 usa la zona %2, pero la central tiene %3 zonas</translation>
    </message>
    <message>
        <source>Maneuver %1 acts on auxiliary board %2, which is not fitted</source>
        <translation>La maniobra %1 actúa sobre la tarjeta auxiliar %2, que no está instalada</translation>
    </message>
    <message>
        <source>Zone %1 is named &quot;%2&quot;, but the panel has %3 zones</source>
        <translation>La zona %1 se llama «%2», pero la central tiene %3 zonas</translation>
    </message>
    <message>
        <source>The gateway %1 is outside the network of the address %2 (net mask %3)</source>
        <translation>La puerta de enlace %1 está fuera de la red de la dirección %2 (máscara de red %3)</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; contains &quot;@&quot;; enter only the part before the &quot;@&quot;</source>
        <translation>%1 «%2» contiene «@»; introduzca solo la parte anterior a la «@»</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; contains &quot;@&quot;; enter only the part after the &quot;@&quot;</source>
        <translation>%1 «%2» contiene «@»; introduzca solo la parte posterior a la «@»</translation>
    </message>
    <message>
        <source>Maneuver %1 has an event the panel does not define: block %2, block type %3, type %4</source>
        <translation>La maniobra %1 tiene un evento que la central no define: bloque %2, tipo de bloque %3, tipo %4</translation>
    </message>
    <message>
        <source>Maneuver %1 has an action the panel does not define: block %2, block type %3, type %4</source>
        <translation>La maniobra %1 tiene una acción que la central no define: bloque %2, tipo de bloque %3, tipo %4</translation>
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
        <translation>%1: añadido %2</translation>
    </message>
    <message>
        <source>%1: removed %2</source>
        <translation>%1: eliminado %2</translation>
    </message>
    <message>
        <source>%1: %2 changed</source>
        <translation>%1: %2 ha cambiado</translation>
    </message>
    <message>
        <source>%1: changed %2 to %3</source>
        <translation>%1: cambiado %2 a %3</translation>
    </message>
    <message>
        <source>%1: %2 changed from &quot;%3&quot; to &quot;%4&quot;</source>
        <translation>%1: %2 ha cambiado de «%3» a «%4»</translation>
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
        <translation>sin definir</translation>
    </message>
    <message>
        <source>set</source>
        <translation>definida</translation>
    </message>
    <message>
        <source>on</source>
        <translation>sí</translation>
    </message>
    <message>
        <source>off</source>
        <translation>no</translation>
    </message>
    <message>
        <source>sounder 1</source>
        <translation>sirena 1</translation>
    </message>
    <message>
        <source>sounder 2</source>
        <translation>sirena 2</translation>
    </message>
    <message>
        <source>none</source>
        <translation>ninguna</translation>
    </message>
    <message>
        <source>sounder board</source>
        <translation>placa de sirenas</translation>
    </message>
    <message>
        <source>relay board</source>
        <translation>placa de relés</translation>
    </message>
    <message>
        <source>unknown type %1</source>
        <translation>tipo desconocido %1</translation>
    </message>
    <message>
        <source>General options</source>
        <translation>Opciones generales</translation>
    </message>
    <message>
        <source>Web server</source>
        <translation>Servidor web</translation>
    </message>
    <message>
        <source>E-mail</source>
        <translation>Correo electrónico</translation>
    </message>
    <message>
        <source>Zones</source>
        <translation>Zonas</translation>
    </message>
    <message>
        <source>Auxiliary boards</source>
        <translation>Placas auxiliares</translation>
    </message>
    <message>
        <source>Zone names</source>
        <translation>Nombres de zona</translation>
    </message>
    <message>
        <source>Maneuvers</source>
        <translation>Maniobras</translation>
    </message>
    <message>
        <source>%1 =&gt; %2</source>
        <translation>%1 =&gt; %2</translation>
    </message>
    <message>
        <source>zone %1 %2</source>
        <translation>zona %1 %2</translation>
    </message>
    <message>
        <source>Board %1</source>
        <translation>Placa %1</translation>
    </message>
    <message>
        <source>Zone %1</source>
        <translation>Zona %1</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Español</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Inglés</translation>
    </message>
    <message>
        <source>alarms</source>
        <translation>alarmas</translation>
    </message>
    <message>
        <source>faults</source>
        <translation>averías</translation>
    </message>
    <message>
        <source>password</source>
        <translation>contraseña</translation>
    </message>
    <message>
        <source>plain</source>
        <translation>plana</translation>
    </message>
</context>
<context>
    <name>ConfigurationStep</name>
    <message>
        <source>Change number of zones</source>
        <translation>Cambiar el número de zonas</translation>
    </message>
    <message>
        <source>Change boards</source>
        <translation>Cambiar las placas auxiliares</translation>
    </message>
    <message>
        <source>Rename zone %1</source>
        <translation>Renombrar la zona %1</translation>
    </message>
    <message>
        <source>Create maneuver %1</source>
        <translation>Crear la maniobra %1</translation>
    </message>
    <message>
        <source>Delete maneuver %1</source>
        <translation>Borrar la maniobra %1</translation>
    </message>
    <message>
        <source>Modify maneuver %1</source>
        <translation>Modificar la maniobra %1</translation>
    </message>
    <message>
        <source>Change &quot;%1&quot;</source>
        <translation>Cambiar &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Change the configuration</source>
        <translation>Cambiar la configuración</translation>
    </message>
</context>
<context>
    <name>ConfigurationSummary</name>
    <message>
        <source>Zones: %1</source>
        <translation>Zonas: %1</translation>
    </message>
    <message>
        <source>Auxiliary board %1: %2</source>
        <translation>Tarjeta auxiliar %1: %2</translation>
    </message>
    <message>
        <source>Alarm confirmation: %1, delay %2 s</source>
        <translation>Confirmación de alarma: %1, retardo %2 s</translation>
    </message>
    <message>
        <source>Web server: language %1, %2</source>
        <translation>Servidor web: idioma %1, %2</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>español</translation>
    </message>
    <message>
        <source>English</source>
        <translation>inglés</translation>
    </message>
    <message>
        <source>address by DHCP</source>
        <translation>dirección por DHCP</translation>
    </message>
    <message>
        <source>address %1, netmask %2, gateway %3</source>
        <translation>dirección %1, máscara %2, puerta de enlace %3</translation>
    </message>
    <message>
        <source>Web login: user &quot;%1&quot;, password %2</source>
        <translation>Acceso web: usuario «%1», contraseña %2</translation>
    </message>
    <message>
        <source>Web login: off</source>
        <translation>Acceso web: desactivado</translation>
    </message>
    <message>
        <source>alarms</source>
        <translation>alarmas</translation>
    </message>
    <message>
        <source>faults</source>
        <translation>averías</translation>
    </message>
    <message>
        <source>E-mail: on, installation &quot;%1&quot;</source>
        <translation>Correo: activado, instalación «%1»</translation>
    </message>
    <message>
        <source>E-mail server: %1 port %2, %3 authentication, user &quot;%4&quot;, password %5</source>
        <translation>Servidor de correo: %1 puerto %2, autenticación %3, usuario «%4», contraseña %5</translation>
    </message>
    <message>
        <source>password</source>
        <translation>contraseña</translation>
    </message>
    <message>
        <source>plain</source>
        <translation>plana</translation>
    </message>
    <message>
        <source>E-mail from %1@%2 to %3@%4, for %5</source>
        <translation>Correo de %1@%2 a %3@%4, para %5</translation>
    </message>
    <message>
        <source>nothing</source>
        <translation>nada</translation>
    </message>
    <message>
        <source>E-mail: off</source>
        <translation>Correo: desactivado</translation>
    </message>
    <message>
        <source>Maneuvers: %1 (%2 simple, %3 logic)</source>
        <translation>Maniobras: %1 (%2 simples, %3 lógicas)</translation>
    </message>
    <message>
        <source>Zone %1: %2</source>
        <translation>Zona %1: %2</translation>
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
        <translation>resumen legible</translation>
    </message>
    <message>
        <source>the whole configuration as one JSON object</source>
        <translation>toda la configuración como un objeto JSON</translation>
    </message>
    <message>
        <source>one line per problem; exit status 1 on any error</source>
        <translation>una línea por problema; estado de salida 1 ante cualquier error</translation>
    </message>
    <message>
        <source>back up the panel, write FILE to it and read it
back (not with --no-verify)</source>
        <translation>copia la central, escribe FILE en ella y lo vuelve
a leer (no con --no-verify)</translation>
    </message>
    <message>
        <source>read the panel into FILE; zones and boards from BASEFILE</source>
        <translation>lee la central en FILE; zonas y módulos de BASEFILE</translation>
    </message>
    <message>
        <source>read the panel&apos;s general options</source>
        <translation>lee las opciones generales de la central</translation>
    </message>
    <message>
        <source>write a backup (its .records file, or the .xml
beside it) back to the panel, byte for byte, and
read it back</source>
        <translation>escribe una copia de seguridad (su archivo .records,
o el .xml a su lado) en la central, byte a byte, y
la vuelve a leer</translation>
    </message>
    <message>
        <source>list the differences; exit status 1 when any</source>
        <translation>lista las diferencias; estado de salida 1 si hay alguna</translation>
    </message>
    <message>
        <source>cause-and-effect report (PDF) and matrix (CSV)</source>
        <translation>informe de causa y efecto (PDF) y matriz (CSV)</translation>
    </message>
    <message>
        <source>FT232 adapters (every serial port with --all)</source>
        <translation>adaptadores FT232 (todos los puertos serie con --all)</translation>
    </message>
    <message>
        <source>Commands:</source>
        <translation>Órdenes:</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <translation>%1 o %2</translation>
    </message>
</context>
<context>
    <name>CtlCommandLine</name>
    <message>
        <source>Print each step of a transfer with the panel on standard error.</source>
        <translation>Escribe cada paso de una transferencia con la central en la salida de error.</translation>
    </message>
    <message>
        <source>The language of every text (%1); by default the system&apos;s, or English where it has no translation. dump is always in English.</source>
        <translation>El idioma de todos los textos (%1); por defecto el del sistema, o inglés si no hay traducción para él. dump siempre está en inglés.</translation>
    </message>
    <message>
        <source>The panel&apos;s serial port: a name or a path.</source>
        <translation>El puerto serie de la central: un nombre o una ruta.</translation>
    </message>
    <message>
        <source>Accepted for older scripts: an upload is always verified unless --no-verify is given.</source>
        <translation>Se admite por compatibilidad con scripts antiguos: una carga siempre se verifica, salvo con --no-verify.</translation>
    </message>
    <message>
        <source>After an upload, do not read the records back to compare them.</source>
        <translation>Tras una carga, no volver a leer los registros para compararlos.</translation>
    </message>
    <message>
        <source>Take zones and boards for a download from BASEFILE.</source>
        <translation>Tomar zonas y módulos de una descarga de BASEFILE.</translation>
    </message>
    <message>
        <source>List every serial port.</source>
        <translation>Listar todos los puertos serie.</translation>
    </message>
    <message>
        <source>Upload without saving the panel&apos;s content first.</source>
        <translation>Cargar sin guardar antes el contenido de la central.</translation>
    </message>
    <message>
        <source>Before an upload, list what it changes in the panel.</source>
        <translation>Antes de una carga, listar lo que cambia en la central.</translation>
    </message>
    <message>
        <source>Write every frame exchanged with the panel to FILE.</source>
        <translation>Escribir en FILE cada trama intercambiada con la central.</translation>
    </message>
    <message>
        <source>Write the report to OUT as PDF.</source>
        <translation>Escribir el informe en OUT como PDF.</translation>
    </message>
    <message>
        <source>Write the cause-and-effect matrix to OUT as CSV.</source>
        <translation>Escribir la matriz de causa y efecto en OUT como CSV.</translation>
    </message>
    <message>
        <source>Inspects MRB-500 configuration files and transfers them to and from the panel.</source>
        <translation>Examina archivos de configuración de MRB-500 y los transfiere a la central y desde ella.</translation>
    </message>
    <message>
        <source>Exit status: 0 success, 1 the operation failed, 2 usage error or a file that cannot be read or written, 130 stopped by Ctrl-C or SIGTERM.</source>
        <translation>Estado de salida: 0 éxito, 1 la operación falló, 2 error de uso o un archivo que no se puede leer ni escribir, 130 detenido con Ctrl-C o SIGTERM.</translation>
    </message>
    <message>
        <source>A configuration file.</source>
        <translation>Un fichero de configuración.</translation>
    </message>
</context>
<context>
    <name>CtlCommissioningQuestions</name>
    <message>
        <source>The panel already holds this configuration.</source>
        <translation>La central ya tiene esta configuración.</translation>
    </message>
    <message>
        <source>Changes to be written to the panel:</source>
        <translation>Cambios que se escribirán en la central:</translation>
    </message>
    <message>
        <source>warning: </source>
        <translation>aviso: </translation>
    </message>
    <message>
        <source>backup of the panel saved as %1</source>
        <translation>copia de seguridad de la central guardada como %1</translation>
    </message>
    <message>
        <source>warning: the backup is kept as the panel&apos;s records only, without an XML view: %1</source>
        <translation>aviso: la copia de seguridad se guarda solo como los registros de la central, sin vista XML: %1</translation>
    </message>
</context>
<context>
    <name>CtlConsole</name>
    <message>
        <source>cannot read the translation %1</source>
        <translation>no se puede leer la traducción %1</translation>
    </message>
    <message>
        <source>cannot write %1</source>
        <translation>no se puede escribir %1</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>no se puede escribir %1: %2</translation>
    </message>
</context>
<context>
    <name>CtlFileCommands</name>
    <message>
        <source>note: </source>
        <translation>nota: </translation>
    </message>
    <message>
        <source>error: </source>
        <translation>error: </translation>
    </message>
    <message>
        <source>warning: </source>
        <translation>aviso: </translation>
    </message>
    <message>
        <source>%1: no problems found</source>
        <translation>%1: no se encontró ningún problema</translation>
    </message>
    <message>
        <source>No differences.</source>
        <translation>Sin diferencias.</translation>
    </message>
    <message>
        <source>report needs --pdf or --csv; see mrb500ctl --help</source>
        <translation>report necesita --pdf o --csv; consulte mrb500ctl --help</translation>
    </message>
    <message>
        <source>%1 written</source>
        <translation>%1 escrito</translation>
    </message>
</context>
<context>
    <name>CtlPanelCommands</name>
    <message>
        <source>%1 cannot go to the panel: %2</source>
        <translation>%1 no puede ir a la central: %2</translation>
    </message>
    <message>
        <source>%1; no backup was taken</source>
        <translation>%1; no se hizo ninguna copia de seguridad</translation>
    </message>
    <message>
        <source>%1; to upload without a backup, use --no-backup</source>
        <translation>%1; para cargar sin copia de seguridad, use --no-backup</translation>
    </message>
    <message>
        <source>%1 uploaded to %2 and verified</source>
        <translation>%1 cargado en %2 y verificado</translation>
    </message>
    <message>
        <source>%1 uploaded to %2</source>
        <translation>%1 cargado en %2</translation>
    </message>
    <message>
        <source>%1 downloaded from %2</source>
        <translation>%1 descargado de %2</translation>
    </message>
    <message>
        <source>Panel on %1 answered; its general options:</source>
        <translation>La central en %1 respondió; sus opciones generales:</translation>
    </message>
    <message>
        <source>%1 restored to %2 and verified</source>
        <translation>%1 restaurada en %2 y verificada</translation>
    </message>
    <message>
        <source>N/A</source>
        <translation>N/D</translation>
    </message>
    <message>
        <source>no serial port found</source>
        <translation>no se encontró ningún puerto serie</translation>
    </message>
    <message>
        <source>no FT232 adapter found; mrb500ctl ports --all lists every serial port</source>
        <translation>no se encontró ningún adaptador FT232; mrb500ctl ports --all lista todos los puertos serie</translation>
    </message>
    <message>
        <source>Nothing was changed.</source>
        <translation>No se cambió nada.</translation>
    </message>
    <message>
        <source>The panel was not changed.</source>
        <translation>La central no se cambió.</translation>
    </message>
</context>
<context>
    <name>DialogAbout</name>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Trevik Fire USB Configuration Software version </source>
        <translation>Software de configuración USB Trevik Fire versión </translation>
    </message>
    <message>
        <source>Compilation Date %1</source>
        <translation>Fecha de compilación %1</translation>
    </message>
    <message>
        <source>Copyright the MRB-500 configurator contributors. Free software: you may use, study, share and change it. It comes with no warranty; check every configuration on the panel before relying on it.</source>
        <translation>Copyright de los colaboradores del configurador MRB-500. Software libre: puede usarlo, estudiarlo, compartirlo y modificarlo. Se entrega sin garantía; compruebe cada configuración en la central antes de confiar en ella.</translation>
    </message>
    <message>
        <source>Support: ask on the project&apos;s issue tracker, or read the &lt;a href=&quot;%1&quot;&gt;README&lt;/a&gt; that comes with the program.</source>
        <translation>Soporte: pregunte en el gestor de incidencias del proyecto o lea el &lt;a href=&quot;%1&quot;&gt;README&lt;/a&gt; que acompaña al programa.</translation>
    </message>
</context>
<context>
    <name>DialogAddLogic</name>
    <message>
        <source>Dialog</source>
        <translation>Diálogo</translation>
    </message>
    <message>
        <source>EVENT LIST</source>
        <translation>LISTA DE EVENTOS</translation>
    </message>
    <message>
        <source>ACTION</source>
        <translation>ACCIÓN</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Acción</translation>
    </message>
    <message>
        <source>Delay</source>
        <translation>Retardo</translation>
    </message>
    <message>
        <source>seg</source>
        <translation>seg</translation>
    </message>
    <message>
        <source>Modulo</source>
        <translation>Módulo</translation>
    </message>
    <message>
        <source>Entrada</source>
        <translation>Salida</translation>
    </message>
    <message>
        <source>Output ON</source>
        <translation>Salida ON</translation>
    </message>
    <message>
        <source>Output OFF</source>
        <translation>Salida OFF</translation>
    </message>
    <message>
        <source>Sirenas ON</source>
        <translation>Sirenas ON</translation>
    </message>
    <message>
        <source>Sirenas OFF</source>
        <translation>Sirenas OFF</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Silenciar</translation>
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
        <translation>Área</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Cambio</translation>
    </message>
    <message>
        <source>Setting or maneuver</source>
        <translation>Ajuste o maniobra</translation>
    </message>
    <message>
        <source>Before</source>
        <translation>Antes</translation>
    </message>
    <message>
        <source>After</source>
        <translation>Después</translation>
    </message>
    <message>
        <source>Write to panel</source>
        <translation>Escribir en la central</translation>
    </message>
    <message>
        <source>added</source>
        <translation>añadida</translation>
    </message>
    <message>
        <source>removed</source>
        <translation>eliminada</translation>
    </message>
    <message>
        <source>changed</source>
        <translation>cambiada</translation>
    </message>
</context>
<context>
    <name>DriverSerieHdlc</name>
    <message>
        <source>no serial port chosen</source>
        <translation>no se eligió ningún puerto serie</translation>
    </message>
    <message>
        <source>cannot open %1: %2</source>
        <translation>no se puede abrir %1: %2</translation>
    </message>
    <message>
        <source>baud rate</source>
        <translation>velocidad</translation>
    </message>
    <message>
        <source>data bits</source>
        <translation>bits de datos</translation>
    </message>
    <message>
        <source>parity</source>
        <translation>paridad</translation>
    </message>
    <message>
        <source>stop bits</source>
        <translation>bits de parada</translation>
    </message>
    <message>
        <source>flow control</source>
        <translation>control de flujo</translation>
    </message>
    <message>
        <source>%1 refused the %2: %3</source>
        <translation>%1 rechazó %2: %3</translation>
    </message>
    <message>
        <source>the serial port is not open</source>
        <translation>el puerto serie no está abierto</translation>
    </message>
    <message>
        <source>cannot write to %1: %2</source>
        <translation>no se puede escribir en %1: %2</translation>
    </message>
    <message>
        <source>lost %1: %2</source>
        <translation>se perdió %1: %2</translation>
    </message>
    <message>
        <source>the port did not take the request within %1 s</source>
        <translation>el puerto no aceptó la petición en %1 s</translation>
    </message>
    <message>
        <source>no answer from panel within %1 s</source>
        <translation>sin respuesta de la central en %1 s</translation>
    </message>
    <message>
        <source>Serial port %1 does not take the panel&apos;s line settings: choose the port of the panel&apos;s USB adapter.</source>
        <translation>El puerto serie %1 no admite los parámetros de línea de la central: elija el puerto del adaptador USB de la central.</translation>
    </message>
</context>
<context>
    <name>EditHistory</name>
    <message>
        <source>Undo typing that cannot be stored</source>
        <translation>Deshacer lo escrito que no se puede guardar</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>Deshacer: %1</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>Rehacer: %1</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rehacer</translation>
    </message>
</context>
<context>
    <name>FieldControls</name>
    <message>
        <source>%1 needs four numbers from 0 to 255 separated by dots, such as 192.168.1.2</source>
        <translation>%1 necesita cuatro números de 0 a 255 separados por puntos, como 192.168.1.2</translation>
    </message>
    <message>
        <source>%1 needs a number from 1 to 65535, or nothing for no port</source>
        <translation>%1 necesita un número de 1 a 65535, o nada si no hay puerto</translation>
    </message>
</context>
<context>
    <name>FieldTable</name>
    <message>
        <source>Number of zones</source>
        <translation>Número de zonas</translation>
    </message>
    <message>
        <source>Alarm confirmation</source>
        <translation>Confirmación de alarma</translation>
    </message>
    <message>
        <source>Confirmation delay</source>
        <translation>Retardo de confirmación</translation>
    </message>
    <message>
        <source>Short circuit counts as alarm</source>
        <translation>Cortocircuito considerado alarma</translation>
    </message>
    <message>
        <source>Sounder delay cancelled by a second alarm</source>
        <translation>Retardo de sirenas cancelado por segunda alarma</translation>
    </message>
    <message>
        <source>Sounder delay cancelled by a manual call point</source>
        <translation>Retardo de sirenas cancelado por pulsador</translation>
    </message>
    <message>
        <source>Web language</source>
        <translation>Idioma web</translation>
    </message>
    <message>
        <source>Address by DHCP</source>
        <translation>Dirección por DHCP</translation>
    </message>
    <message>
        <source>IP address</source>
        <translation>Dirección IP</translation>
    </message>
    <message>
        <source>Net mask</source>
        <translation>Máscara de red</translation>
    </message>
    <message>
        <source>Gateway</source>
        <translation>Puerta de enlace</translation>
    </message>
    <message>
        <source>Web login</source>
        <translation>Acceso web con usuario</translation>
    </message>
    <message>
        <source>Web user</source>
        <translation>Usuario web</translation>
    </message>
    <message>
        <source>Web password</source>
        <translation>Contraseña web</translation>
    </message>
    <message>
        <source>Send e-mails</source>
        <translation>Enviar correos</translation>
    </message>
    <message>
        <source>Installation name</source>
        <translation>Nombre de la instalación</translation>
    </message>
    <message>
        <source>E-mail server</source>
        <translation>Servidor de correo</translation>
    </message>
    <message>
        <source>E-mail server port</source>
        <translation>Puerto del servidor de correo</translation>
    </message>
    <message>
        <source>Authentication</source>
        <translation>Autenticación</translation>
    </message>
    <message>
        <source>E-mail user</source>
        <translation>Usuario de correo</translation>
    </message>
    <message>
        <source>E-mail password</source>
        <translation>Contraseña de correo</translation>
    </message>
    <message>
        <source>Events mailed</source>
        <translation>Eventos enviados por correo</translation>
    </message>
    <message>
        <source>Sender mailbox</source>
        <translation>Buzón del remitente</translation>
    </message>
    <message>
        <source>Sender domain</source>
        <translation>Dominio del remitente</translation>
    </message>
    <message>
        <source>Recipient mailbox</source>
        <translation>Buzón del destinatario</translation>
    </message>
    <message>
        <source>Recipient domain</source>
        <translation>Dominio del destinatario</translation>
    </message>
</context>
<context>
    <name>HdlcFrameReader</name>
    <message>
        <source>answer frame longer than %1 bytes</source>
        <translation>trama de respuesta de más de %1 bytes</translation>
    </message>
    <message>
        <source>answer frame ends with an escape byte</source>
        <translation>la trama de respuesta termina con un byte de escape</translation>
    </message>
    <message>
        <source>answer checksum is 0x%1, expected 0x%2</source>
        <translation>la suma de control de la respuesta es 0x%1, se esperaba 0x%2</translation>
    </message>
</context>
<context>
    <name>ImageRoundTrip</name>
    <message>
        <source>Maneuver %1 (%2): the panel would read it as %3</source>
        <translation>Maniobra %1 (%2): la central la leería como %3</translation>
    </message>
    <message>
        <source>Maneuver %1 (%2): the panel would read the end of its simple maneuver table here, so these maneuvers would be lost: %3</source>
        <translation>Maniobra %1 (%2): la central leería aquí el final de su tabla de maniobras simples, así que se perderían estas maniobras: %3</translation>
    </message>
    <message>
        <source>Maneuver %1 (%2): the panel would find no event in its record and drop the maneuver</source>
        <translation>Maniobra %1 (%2): la central no encontraría ningún evento en su registro y descartaría la maniobra</translation>
    </message>
    <message>
        <source>Maneuver %1 (%2): the panel would read the end of its event list early and keep only %3</source>
        <translation>Maniobra %1 (%2): la central leería antes de tiempo el final de su lista de eventos y solo conservaría %3</translation>
    </message>
    <message>
        <source>%1 %2 would not reach the panel whole: it would keep only its first %3 characters</source>
        <translation>%1 %2 no llegaría entero a la central: solo conservaría sus primeros %3 caracteres</translation>
    </message>
    <message>
        <source>%1 %2 is %3; the panel would read %4</source>
        <translation>%1 %2 vale %3; la central leería %4</translation>
    </message>
</context>
<context>
    <name>LinkAdvice</name>
    <message>
        <source>Serial port %1 does not exist: check that the USB adapter is plugged in, then choose the port again.</source>
        <translation>El puerto serie %1 no existe: compruebe que el adaptador USB está conectado y vuelva a elegir el puerto.</translation>
    </message>
    <message>
        <source>%1 is a folder, not a serial port: choose the panel&apos;s serial port.</source>
        <translation>%1 es una carpeta, no un puerto serie: elija el puerto serie de la central.</translation>
    </message>
    <message>
        <source>%1 is not a serial device: choose the panel&apos;s serial port.</source>
        <translation>%1 no es un dispositivo serie: elija el puerto serie de la central.</translation>
    </message>
    <message>
        <source>You may not use serial port %1. On Linux this usually means that your user is not in the dialout group: run sudo usermod -aG dialout $USER, then log out and log in again.</source>
        <translation>No tiene permiso para usar el puerto serie %1. En Linux esto suele significar que su usuario no pertenece al grupo dialout: ejecute sudo usermod -aG dialout $USER y después cierre la sesión y vuelva a iniciarla.</translation>
    </message>
    <message>
        <source>Serial port %1 is in use by another program: close that program and try again.</source>
        <translation>El puerto serie %1 está en uso por otro programa: cierre ese programa e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>Serial port %1 cannot be opened: unplug the USB adapter, plug it in again and try again.</source>
        <translation>No se puede abrir el puerto serie %1: desconecte el adaptador USB, vuelva a conectarlo e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>The panel did not answer: check the cable, the port and that the panel is powered.</source>
        <translation>La central no ha respondido: compruebe el cable, el puerto y que la central tiene alimentación.</translation>
    </message>
    <message>
        <source>The panel&apos;s answers arrive damaged: check the cable and its connectors, and keep it away from power wiring.</source>
        <translation>Las respuestas de la central llegan dañadas: compruebe el cable y sus conectores, y aléjelo del cableado de potencia.</translation>
    </message>
    <message>
        <source>The panel refused the command with status %1: restart the panel and try again.</source>
        <translation>La central ha rechazado la orden con el estado %1: reinicie la central e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>The connection to the panel was lost (USB adapter unplugged?): plug it in again and repeat the transfer.</source>
        <translation>Se ha perdido la conexión con la central (¿adaptador USB desconectado?): vuelva a conectarlo y repita la transferencia.</translation>
    </message>
    <message>
        <source>The serial port did not send the request: unplug the USB adapter, plug it in again and repeat the transfer.</source>
        <translation>El puerto serie no ha enviado la petición: desconecte el adaptador USB, vuelva a conectarlo y repita la transferencia.</translation>
    </message>
    <message>
        <source>%1 Details: %2</source>
        <translation>%1 Detalles: %2</translation>
    </message>
    <message>
        <source>The transfer was interrupted by the user.</source>
        <translation>El usuario ha interrumpido la transferencia.</translation>
    </message>
</context>
<context>
    <name>LinkLogWindow</name>
    <message>
        <source>Link log</source>
        <translation>Registro de la comunicación</translation>
    </message>
    <message>
        <source>Save...</source>
        <translation>Guardar...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Hora</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>Sentido</translation>
    </message>
    <message>
        <source>Bytes</source>
        <translation>Bytes</translation>
    </message>
    <message>
        <source>Meaning</source>
        <translation>Significado</translation>
    </message>
    <message>
        <source>sent</source>
        <translation>enviada</translation>
    </message>
    <message>
        <source>received</source>
        <translation>recibida</translation>
    </message>
    <message>
        <source>problem</source>
        <translation>problema</translation>
    </message>
    <message>
        <source>%1, %2 frames</source>
        <translation>%1, %2 tramas</translation>
    </message>
    <message>
        <source>No transfer with the panel yet.</source>
        <translation>Todavía no ha habido comunicación con la central.</translation>
    </message>
    <message>
        <source>Last panel command: %1</source>
        <translation>Última orden a la central: %1</translation>
    </message>
    <message>
        <source>Save link log</source>
        <translation>Guardar el registro de la comunicación</translation>
    </message>
    <message>
        <source>Text files (*.txt)</source>
        <translation>Archivos de texto (*.txt)</translation>
    </message>
    <message>
        <source>Could not save %1.</source>
        <translation>No se pudo guardar %1.</translation>
    </message>
</context>
<context>
    <name>LinkTrace</name>
    <message>
        <source>simple maneuvers</source>
        <translation>maniobras simples</translation>
    </message>
    <message>
        <source>logic maneuvers</source>
        <translation>maniobras lógicas</translation>
    </message>
    <message>
        <source>general options</source>
        <translation>opciones generales</translation>
    </message>
    <message>
        <source>general table, not interpreted</source>
        <translation>tabla general, sin interpretar</translation>
    </message>
    <message>
        <source>web and e-mail settings</source>
        <translation>ajustes web y de correo</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>accepted</source>
        <translation>aceptada</translation>
    </message>
    <message>
        <source>answer to %1: %2</source>
        <translation>respuesta a %1: %2</translation>
    </message>
    <message>
        <source># %1, started %2; %3 entries; password bytes shown as **</source>
        <translation># %1, iniciada %2; %3 entradas; bytes de contraseñas mostrados como **</translation>
    </message>
    <message>
        <source>sent</source>
        <translation>enviada</translation>
    </message>
    <message>
        <source>received</source>
        <translation>recibida</translation>
    </message>
    <message>
        <source>problem</source>
        <translation>problema</translation>
    </message>
    <message>
        <source>%1, hidden</source>
        <translation>%1, oculta</translation>
    </message>
</context>
<context>
    <name>LogEventWidget</name>
    <message>
        <source>Zona</source>
        <translation>Zona</translation>
    </message>
    <message>
        <source>event</source>
        <translation>evento</translation>
    </message>
    <message>
        <source>Source Type</source>
        <translation>Tipo de origen</translation>
    </message>
    <message>
        <source>Alarma en zona</source>
        <translation>Alarma en zona</translation>
    </message>
    <message>
        <source>Averia en zona</source>
        <translation>Avería en zona</translation>
    </message>
    <message>
        <source>Alarma en panel</source>
        <translation>Alarma en panel</translation>
    </message>
    <message>
        <source>Alarma de pulsador en panel</source>
        <translation>Alarma de pulsador en panel</translation>
    </message>
    <message>
        <source>Averia en panel</source>
        <translation>Avería en panel</translation>
    </message>
    <message>
        <source>Entrada ON</source>
        <translation>Entrada ON</translation>
    </message>
    <message>
        <source>Entrada OFF</source>
        <translation>Entrada OFF</translation>
    </message>
    <message>
        <source>alarma de detector</source>
        <translation>alarma de detector</translation>
    </message>
    <message>
        <source>alarma de pulsador</source>
        <translation>alarma de pulsador</translation>
    </message>
    <message>
        <source>cualquier alarma</source>
        <translation>cualquier alarma</translation>
    </message>
    <message>
        <source>avería de corte</source>
        <translation>avería de corte</translation>
    </message>
    <message>
        <source>avería de cruce</source>
        <translation>avería de cruce</translation>
    </message>
    <message>
        <source>cualquier avería</source>
        <translation>cualquier avería</translation>
    </message>
</context>
<context>
    <name>ManeuverTableImage</name>
    <message>
        <source>%1 simple maneuvers; the panel holds at most %2</source>
        <translation>%1 maniobras simples; la central admite como máximo %2</translation>
    </message>
    <message>
        <source>%1 logic maneuvers; the panel holds at most %2</source>
        <translation>%1 maniobras lógicas; la central admite como máximo %2</translation>
    </message>
</context>
<context>
    <name>ManiobraConvencional</name>
    <message>
        <source>Fallo en zona </source>
        <translation>Fallo en zona </translation>
    </message>
    <message>
        <source>Fallo en panel</source>
        <translation>Fallo en panel</translation>
    </message>
    <message>
        <source>Cualquier alarma en zona </source>
        <translation>Cualquier alarma en zona </translation>
    </message>
    <message>
        <source>Cualquier alarma en panel</source>
        <translation>Cualquier alarma en panel</translation>
    </message>
    <message>
        <source>Fallo de circuito abierto en zona </source>
        <translation>Fallo de circuito abierto en zona </translation>
    </message>
    <message>
        <source>Fallo de cortocircuito en zona </source>
        <translation>Fallo de cortocircuito en zona </translation>
    </message>
    <message>
        <source>Alarma de detector en zona </source>
        <translation>Alarma de detector en zona </translation>
    </message>
    <message>
        <source>Alarma de pulsador en zona </source>
        <translation>Alarma de pulsador en zona </translation>
    </message>
    <message>
        <source>Alarma de pulsador en panel</source>
        <translation>Alarma de pulsador en panel</translation>
    </message>
    <message>
        <source>Entrada auxiliar OFF</source>
        <translation>Entrada auxiliar OFF</translation>
    </message>
    <message>
        <source>Entrada auxiliar ON</source>
        <translation>Entrada auxiliar ON</translation>
    </message>
    <message>
        <source> del panel</source>
        <translation> del panel</translation>
    </message>
    <message>
        <source>Silenciar zumbador y activar led de silenciar central</source>
        <translation>Silenciar zumbador y activar led de silenciar central</translation>
    </message>
    <message>
        <source>Reset general</source>
        <translation>Reset general</translation>
    </message>
    <message>
        <source>Activar sirena</source>
        <translation>Activar sirena</translation>
    </message>
    <message>
        <source>Desactivar sirena</source>
        <translation>Desactivar sirena</translation>
    </message>
    <message>
        <source>Activar la salida </source>
        <translation>Activar la salida </translation>
    </message>
    <message>
        <source>Desactivar la salida </source>
        <translation>Desactivar la salida </translation>
    </message>
    <message>
        <source> de la placa auxiliar </source>
        <translation> de la placa auxiliar </translation>
    </message>
    <message>
        <source>  con retardo de </source>
        <translation>  con retardo de </translation>
    </message>
</context>
<context>
    <name>Mrb500Ctl</name>
    <message>
        <source>no command given; see mrb500ctl --help</source>
        <translation>no se indicó ninguna orden; vea mrb500ctl --help</translation>
    </message>
    <message>
        <source>%1 takes exactly one FILE; see mrb500ctl --help</source>
        <translation>%1 requiere exactamente un FILE; vea mrb500ctl --help</translation>
    </message>
    <message>
        <source>unknown command &quot;%1&quot;; see mrb500ctl --help</source>
        <translation>orden desconocida «%1»; vea mrb500ctl --help</translation>
    </message>
    <message>
        <source>%1 needs --port; see mrb500ctl --help</source>
        <translation>%1 necesita --port; vea mrb500ctl --help</translation>
    </message>
    <message>
        <source>%1 does not take --%2</source>
        <translation>%1 no admite --%2</translation>
    </message>
    <message>
        <source>%1 takes no FILE; see mrb500ctl --help</source>
        <translation>%1 no admite FILE; vea mrb500ctl --help</translation>
    </message>
    <message>
        <source>unknown language &quot;%1&quot;; available: %2</source>
        <translation>idioma desconocido «%1»; disponibles: %2</translation>
    </message>
    <message>
        <source>%1 takes no options but --verbose and --language</source>
        <translation>%1 no admite más opciones que --verbose y --language</translation>
    </message>
    <message>
        <source>cannot write to standard output: %1</source>
        <translation>no se puede escribir en la salida estándar: %1</translation>
    </message>
    <message>
        <source>--trace needs a panel; %1 takes it with --port</source>
        <translation>--trace necesita una central; %1 la recibe con --port</translation>
    </message>
    <message>
        <source>%1 --port takes exactly one FILE; see mrb500ctl --help</source>
        <translation>%1 --port admite exactamente un FILE; consulte mrb500ctl --help</translation>
    </message>
    <message>
        <source>%1 takes two FILEs; see mrb500ctl --help</source>
        <translation>%1 admite dos FILE; consulte mrb500ctl --help</translation>
    </message>
</context>
<context>
    <name>MyActionsWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulario</translation>
    </message>
    <message>
        <source>INPUTS</source>
        <translation>ENTRADAS</translation>
    </message>
    <message>
        <source>OUTPUTS</source>
        <translation>SALIDAS</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Evento</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Acción</translation>
    </message>
    <message>
        <source>Panel</source>
        <translation>Central</translation>
    </message>
    <message>
        <source>Zone</source>
        <translation>Zona</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>Entrada</translation>
    </message>
    <message>
        <source>Sirena</source>
        <translation>Sirena</translation>
    </message>
    <message>
        <source>Aux Module </source>
        <translation>Módulo auxiliar </translation>
    </message>
    <message>
        <source>Rele</source>
        <translation>Rele</translation>
    </message>
    <message>
        <source>Please select one event source from the event tree</source>
        <translation>Seleccione un origen de evento en el árbol de eventos</translation>
    </message>
    <message>
        <source>Please select one action from the action tree</source>
        <translation>Seleccione una acción en el árbol de acciones</translation>
    </message>
    <message>
        <source>A maneuver can have at most %1 events; %2 are selected.</source>
        <translation>Una maniobra puede tener como máximo %1 eventos; hay %2 seleccionados.</translation>
    </message>
    <message>
        <source>Limite máximo maniobras lógicas permitidas: </source>
        <translation>Límite máximo de maniobras lógicas permitidas: </translation>
    </message>
    <message>
        <source>Limite máximo maniobras simples permitidas: </source>
        <translation>Límite máximo de maniobras simples permitidas: </translation>
    </message>
</context>
<context>
    <name>MyMainWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulario</translation>
    </message>
    <message>
        <source>Elements</source>
        <translation>Elementos</translation>
    </message>
    <message>
        <source>Actions</source>
        <translation>Acciones</translation>
    </message>
    <message>
        <source>Advanced Configuration</source>
        <translation>Configuración avanzada</translation>
    </message>
</context>
<context>
    <name>MyMainWindow</name>
    <message>
        <source>Xml files (*.xml)</source>
        <translation>Ficheros Xml (*.xml)</translation>
    </message>
    <message>
        <source>Download Panel</source>
        <translation>Descargar de la central</translation>
    </message>
    <message>
        <source>Upload Panel</source>
        <translation>Cargar en la central</translation>
    </message>
    <message>
        <source>Open Xml</source>
        <translation>Abrir Xml</translation>
    </message>
    <message>
        <source>Could not open %1.</source>
        <translation>No se pudo abrir %1.</translation>
    </message>
    <message>
        <source>Save Xml</source>
        <translation>Guardar Xml</translation>
    </message>
    <message>
        <source>Could not save %1.</source>
        <translation>No se pudo guardar %1.</translation>
    </message>
    <message>
        <source>Close Confirmation</source>
        <translation>Confirmar cierre</translation>
    </message>
    <message>
        <source>Are you sure you want to quit?</source>
        <translation>¿Seguro que desea salir?</translation>
    </message>
    <message>
        <source>Unsaved changes</source>
        <translation>Cambios sin guardar</translation>
    </message>
    <message>
        <source>Error uploading to panel.</source>
        <translation>Error al cargar la configuración en la central.</translation>
    </message>
    <message>
        <source>please, introduce a number of zones</source>
        <translation>por favor, introduzca un número de zonas</translation>
    </message>
    <message>
        <source>Download ok</source>
        <translation>Descarga correcta</translation>
    </message>
    <message>
        <source>Compare with panel</source>
        <translation>Comparar con la central</translation>
    </message>
    <message>
        <source>Export report...</source>
        <translation>Exportar informe...</translation>
    </message>
    <message>
        <source>Could not export the report.</source>
        <translation>No se pudo exportar el informe.</translation>
    </message>
    <message>
        <source>Could not compare with the panel.</source>
        <translation>No se pudo comparar con la central.</translation>
    </message>
    <message>
        <source>The current configuration has changes that have not been saved. Save them before reading the configuration of the panel?</source>
        <translation>La configuración actual tiene cambios que no se han guardado. ¿Guardarlos antes de leer la configuración de la central?</translation>
    </message>
    <message>
        <source>The current configuration has changes that have not been saved. Save them before creating a new configuration?</source>
        <translation>La configuración actual tiene cambios que no se han guardado. ¿Guardarlos antes de crear una configuración nueva?</translation>
    </message>
    <message>
        <source>Confirmation</source>
        <translation>Confirmación</translation>
    </message>
    <message>
        <source>Do you want to erase current configuration and create a new one</source>
        <translation>¿Desea borrar la configuración actual y crear una nueva?</translation>
    </message>
    <message>
        <source>The current configuration has changes that have not been saved. Save them before opening another file?</source>
        <translation>La configuración actual tiene cambios que no se han guardado. ¿Guardarlos antes de abrir otro archivo?</translation>
    </message>
    <message>
        <source>The current configuration has changes that have not been saved. Save them before quitting?</source>
        <translation>La configuración actual tiene cambios que no se han guardado. ¿Guardarlos antes de salir?</translation>
    </message>
    <message>
        <source>Check these points of %1 before uploading it:</source>
        <translation>Revise estos puntos de %1 antes de cargarlo en la central:</translation>
    </message>
</context>
<context>
    <name>MyXMLHandler</name>
    <message>
        <source>element &quot;%1&quot;, attribute &quot;%2&quot;: &quot;%3&quot; is not a number</source>
        <translation>elemento «%1», atributo «%2»: «%3» no es un número</translation>
    </message>
    <message>
        <source>element &quot;%1&quot;, attribute &quot;%2&quot;: %3 does not fit %4 to %5</source>
        <translation>elemento «%1», atributo «%2»: %3 no está entre %4 y %5</translation>
    </message>
    <message>
        <source>element &quot;Zone&quot; has no attribute &quot;number&quot;</source>
        <translation>el elemento &quot;Zone&quot; no tiene el atributo &quot;number&quot;</translation>
    </message>
    <message>
        <source>element &quot;Zone&quot;: %1</source>
        <translation>elemento &quot;Zone&quot;: %1</translation>
    </message>
    <message>
        <source>element &quot;%1&quot; ignored</source>
        <translation>elemento &quot;%1&quot; ignorado</translation>
    </message>
    <message>
        <source>Maneuver %1 has no &quot;Action&quot; element (line %2)</source>
        <translation>La maniobra %1 no tiene elemento &quot;Action&quot; (línea %2)</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>línea %1: %2</translation>
    </message>
    <message>
        <source>attribute &quot;%1&quot; of &quot;%2&quot; ignored</source>
        <translation>atributo &quot;%1&quot; de &quot;%2&quot; ignorado</translation>
    </message>
</context>
<context>
    <name>MyXMLWriter</name>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>No se puede escribir %1: %2</translation>
    </message>
    <message>
        <source>Cannot write the configuration: %1</source>
        <translation>No se puede escribir la configuración: %1</translation>
    </message>
    <message>
        <source>%1 contains a control character, which a configuration file cannot hold</source>
        <translation>%1 contiene un carácter de control, que un archivo de configuración no puede guardar</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; contains a control character, which a configuration file cannot hold</source>
        <translation>%1 «%2» contiene un carácter de control, que un archivo de configuración no puede guardar</translation>
    </message>
</context>
<context>
    <name>PanelCommands</name>
    <message>
        <source>Upload Panel</source>
        <translation>Cargar en la central</translation>
    </message>
    <message>
        <source>Error uploading to panel.</source>
        <translation>Error al cargar la configuración en la central.</translation>
    </message>
    <message>
        <source>Download Panel</source>
        <translation>Descargar de la central</translation>
    </message>
    <message>
        <source>Error downloading from panel.</source>
        <translation>Error al descargar la configuración de la central.</translation>
    </message>
    <message>
        <source>Compare with panel</source>
        <translation>Comparar con la central</translation>
    </message>
    <message>
        <source>The panel cannot hold this configuration, so nothing was sent:</source>
        <translation>La central no puede guardar esta configuración, así que no se ha enviado nada:</translation>
    </message>
    <message>
        <source>Upload ok!</source>
        <translation>¡Carga correcta!</translation>
    </message>
    <message>
        <source>Every record was read back from the panel and matches what was sent.</source>
        <translation>Cada registro se ha vuelto a leer de la central y coincide con lo enviado.</translation>
    </message>
    <message>
        <source>The panel&apos;s previous configuration was saved as %1.</source>
        <translation>La configuración anterior de la central se guardó como %1.</translation>
    </message>
    <message>
        <source>It is kept as the panel&apos;s records only, without an XML view: %1</source>
        <translation>Se guarda solo como los registros de la central, sin vista XML: %1</translation>
    </message>
    <message>
        <source>Descargando configuracion de la central...</source>
        <translation>Descargando configuración de la central...</translation>
    </message>
    <message>
        <source>No differences: the panel holds this configuration.</source>
        <translation>Sin diferencias: la central tiene esta configuración.</translation>
    </message>
    <message>
        <source>Differences between the panel (before) and this configuration (after): %1</source>
        <translation>Diferencias entre la central (antes) y esta configuración (después): %1</translation>
    </message>
    <message>
        <source>No backup of the panel&apos;s configuration could be made:</source>
        <translation>No se pudo hacer una copia de seguridad de la configuración de la central:</translation>
    </message>
    <message>
        <source>Upload without a backup? The panel&apos;s present configuration will be lost.</source>
        <translation>¿Cargar sin copia de seguridad? Se perderá la configuración actual de la central.</translation>
    </message>
    <message>
        <source>Warnings about this configuration:</source>
        <translation>Avisos sobre esta configuración:</translation>
    </message>
    <message>
        <source>The panel could not be read, so what it holds now is unknown. Write this configuration to it?</source>
        <translation>No se ha podido leer la central, así que se desconoce lo que contiene ahora. ¿Escribir en ella esta configuración?</translation>
    </message>
    <message>
        <source>The panel already holds this configuration. Write it again?</source>
        <translation>La central ya tiene esta configuración. ¿Escribirla de nuevo?</translation>
    </message>
    <message>
        <source>These changes will be written to the panel:</source>
        <translation>Se escribirán estos cambios en la central:</translation>
    </message>
    <message>
        <source>Reading the panel for a backup...</source>
        <translation>Leyendo la central para una copia de seguridad...</translation>
    </message>
    <message>
        <source>Reading the panel...</source>
        <translation>Leyendo la central...</translation>
    </message>
    <message>
        <source>Cargando configuracion a la central...</source>
        <translation>Cargando configuración en la central...</translation>
    </message>
    <message>
        <source>No serial port chosen</source>
        <translation>No se ha elegido ningún puerto serie</translation>
    </message>
</context>
<context>
    <name>PanelConfiguration</name>
    <message>
        <source>there is no zone %1; zones are numbered 1 to %2</source>
        <translation>no existe la zona %1; las zonas van de 1 a %2</translation>
    </message>
    <message>
        <source>the name of zone %1 has %2 characters; at most %3</source>
        <translation>el nombre de la zona %1 tiene %2 caracteres; como máximo %3</translation>
    </message>
    <message>
        <source>the name of zone %1 contains a control character</source>
        <translation>el nombre de la zona %1 contiene un carácter de control</translation>
    </message>
</context>
<context>
    <name>PanelMemoryFile</name>
    <message>
        <source>cannot read %1: %2</source>
        <translation>no se puede leer %1: %2</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>no se puede escribir %1: %2</translation>
    </message>
</context>
<context>
    <name>PanelRecords</name>
    <message>
        <source>table %1 record %2 is missing</source>
        <translation>falta el registro %2 de la tabla %1</translation>
    </message>
    <message>
        <source>table %1 record %2 is not one the panel&apos;s configuration uses</source>
        <translation>el registro %2 de la tabla %1 no es uno de los que usa la configuración de la central</translation>
    </message>
    <message>
        <source>table %1 record %2 holds %3 bytes instead of %4</source>
        <translation>el registro %2 de la tabla %1 tiene %3 bytes en lugar de %4</translation>
    </message>
</context>
<context>
    <name>PanelRecordsText</name>
    <message>
        <source>line %1: expected the heading &quot;%2&quot; on the first line only</source>
        <translation>línea %1: se esperaba el encabezado «%2», y solo en la primera línea</translation>
    </message>
    <message>
        <source>line %1: expected &quot;table record&quot; and 32 hex digits</source>
        <translation>línea %1: se esperaba «tabla registro» y 32 dígitos hexadecimales</translation>
    </message>
    <message>
        <source>line %1: table %2 record %3 is listed a second time</source>
        <translation>línea %1: el registro %3 de la tabla %2 aparece por segunda vez</translation>
    </message>
</context>
<context>
    <name>PanelTableSteps</name>
    <message>
        <source>the simple maneuvers do not fit their table</source>
        <translation>las maniobras simples no caben en su tabla</translation>
    </message>
    <message>
        <source>the logic maneuvers do not fit their tables</source>
        <translation>las maniobras lógicas no caben en sus tablas</translation>
    </message>
</context>
<context>
    <name>PanelTransfers</name>
    <message>
        <source>a transfer with the panel is already running</source>
        <translation>ya hay una transferencia con la central en curso</translation>
    </message>
    <message>
        <source>stopped before the %1 began</source>
        <translation>detenida antes de que empezara la %1</translation>
    </message>
    <message>
        <source>no serial port chosen</source>
        <translation>no se eligió ningún puerto serie</translation>
    </message>
    <message>
        <source>the panel cannot hold this configuration: %1</source>
        <translation>la central no admite esta configuración: %1</translation>
    </message>
    <message>
        <source>upload</source>
        <translation>carga</translation>
    </message>
    <message>
        <source>restore</source>
        <translation>restauración</translation>
    </message>
    <message>
        <source>these records cannot be restored: %1</source>
        <translation>estos registros no se pueden restaurar: %1</translation>
    </message>
    <message>
        <source>the panel holds 0x%1 at byte %2 where 0x%3 was written (verify table %4 record %5)</source>
        <translation>la central guarda 0x%1 en el byte %2 donde se escribió 0x%3 (verificar tabla %4 registro %5)</translation>
    </message>
    <message>
        <source>download</source>
        <translation>descarga</translation>
    </message>
    <message>
        <source>the general record is too short</source>
        <translation>el registro general es demasiado corto</translation>
    </message>
    <message>
        <source>the web server image is too short</source>
        <translation>la imagen del servidor web es demasiado corta</translation>
    </message>
    <message>
        <source>connection check</source>
        <translation>comprobación de conexión</translation>
    </message>
</context>
<context>
    <name>PtyPanel</name>
    <message>
        <source>cannot open a pseudo-terminal: %1</source>
        <translation>no se puede abrir un pseudoterminal: %1</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>N/A</source>
        <translation>N/D</translation>
    </message>
</context>
<context>
    <name>ReportExport</name>
    <message>
        <source>Export report...</source>
        <translation>Exportar informe...</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Archivos PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Could not export the report.</source>
        <translation>No se pudo exportar el informe.</translation>
    </message>
    <message>
        <source>Report saved as %1, matrix as %2.</source>
        <translation>Informe guardado como %1, matriz como %2.</translation>
    </message>
</context>
<context>
    <name>SettingsDialog</name>
    <message>
        <source>Settings</source>
        <translation>Configuración</translation>
    </message>
    <message>
        <source>Select Parameters</source>
        <translation>Parámetros</translation>
    </message>
    <message>
        <source>BaudRate:</source>
        <translation>Velocidad:</translation>
    </message>
    <message>
        <source>Data bits:</source>
        <translation>Bits de datos:</translation>
    </message>
    <message>
        <source>Parity:</source>
        <translation>Paridad:</translation>
    </message>
    <message>
        <source>Stop bits:</source>
        <translation>Bits de parada:</translation>
    </message>
    <message>
        <source>Flow control:</source>
        <translation>Control de flujo:</translation>
    </message>
    <message>
        <source>Select Serial Port</source>
        <translation>Puerto serie</translation>
    </message>
    <message>
        <source>Description:</source>
        <translation>Descripción:</translation>
    </message>
    <message>
        <source>Manufacturer:</source>
        <translation>Fabricante:</translation>
    </message>
    <message>
        <source>Location:</source>
        <translation>Ubicación:</translation>
    </message>
    <message>
        <source>Vendor ID:</source>
        <translation>ID de fabricante:</translation>
    </message>
    <message>
        <source>Product ID:</source>
        <translation>ID de producto:</translation>
    </message>
    <message>
        <source>Show all serial ports</source>
        <translation>Mostrar todos los puertos serie</translation>
    </message>
    <message>
        <source>Other port:</source>
        <translation>Otro puerto:</translation>
    </message>
    <message>
        <source>A port that is not listed, by name or path (for example a simulator&apos;s terminal). When filled in, it is used instead of the list.</source>
        <translation>Un puerto que no aparece en la lista, por nombre o ruta (por ejemplo, el terminal de un simulador). Si se rellena, se usa en lugar de la lista.</translation>
    </message>
    <message>
        <source>Additional options</source>
        <translation>Opciones adicionales</translation>
    </message>
    <message>
        <source>Local echo</source>
        <translation>Eco local</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Aplicar</translation>
    </message>
    <message>
        <source>Description: %1</source>
        <translation>Descripción: %1</translation>
    </message>
    <message>
        <source>Manufacturer: %1</source>
        <translation>Fabricante: %1</translation>
    </message>
    <message>
        <source>Location: %1</source>
        <translation>Ubicación: %1</translation>
    </message>
    <message>
        <source>Vendor Identifier: %1</source>
        <translation>Identificador de fabricante: %1</translation>
    </message>
    <message>
        <source>Product Identifier: %1</source>
        <translation>Identificador de producto: %1</translation>
    </message>
</context>
<context>
    <name>UnsavedEdits</name>
    <message>
        <source>On the page %1:</source>
        <translation>En la página %1:</translation>
    </message>
    <message>
        <source>Correct these fields first:</source>
        <translation>Corrija primero estos campos:</translation>
    </message>
</context>
<context>
    <name>WindowMenus</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>Download Panel</source>
        <translation>Descargar de la central</translation>
    </message>
    <message>
        <source>Upload Panel</source>
        <translation>Cargar en la central</translation>
    </message>
    <message>
        <source>Compare with panel</source>
        <translation>Comparar con la central</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nuevo</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Save as</source>
        <translation>Guardar como</translation>
    </message>
    <message>
        <source>Export report...</source>
        <translation>Exportar informe...</translation>
    </message>
    <message>
        <source>Configure serial port</source>
        <translation>Configurar puerto serie</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opciones</translation>
    </message>
    <message>
        <source>View advanced options</source>
        <translation>Ver opciones avanzadas</translation>
    </message>
    <message>
        <source>Verify after upload</source>
        <translation>Verificar tras cargar</translation>
    </message>
    <message>
        <source>View link log</source>
        <translation>Ver registro de la comunicación</translation>
    </message>
    <message>
        <source>&amp;Configuration</source>
        <translation>&amp;Configuración</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>A&amp;cerca de</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>Download Config from panel</source>
        <translation>Descargar la configuración de la central</translation>
    </message>
    <message>
        <source>Upload Config to panel</source>
        <translation>Cargar la configuración en la central</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Edición</translation>
    </message>
</context>
<context>
    <name>XmlConfigReader</name>
    <message>
        <source>%1: cannot read: %2</source>
        <translation>%1: no se puede leer: %2</translation>
    </message>
    <message>
        <source>%1: larger than %2 bytes; not a configuration file</source>
        <translation>%1: mayor de %2 bytes; no es un fichero de configuración</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>larger than %1 bytes; not a configuration file</source>
        <translation>mayor de %1 bytes; no es un fichero de configuración</translation>
    </message>
    <message>
        <source>document type declarations are not accepted</source>
        <translation>no se aceptan declaraciones de tipo de documento</translation>
    </message>
    <message>
        <source>not well-formed XML (%1)</source>
        <translation>XML mal formado (%1)</translation>
    </message>
    <message>
        <source>line %1, column %2: %3</source>
        <translation>línea %1, columna %2: %3</translation>
    </message>
    <message>
        <source>the root element is &quot;%1&quot;, not &quot;CONFIG&quot;: not a configuration file</source>
        <translation>el elemento raíz es &quot;%1&quot;, no &quot;CONFIG&quot;: no es un archivo de configuración</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Prepares the configuration of an MRB-500 panel.</source>
        <translation>Prepara la configuración de una central MRB-500.</translation>
    </message>
    <message>
        <source>Serial port of the panel (any name or path).</source>
        <translation>Puerto serie de la central (cualquier nombre o ruta).</translation>
    </message>
    <message>
        <source>Configuration file to open.</source>
        <translation>Fichero de configuración que se abre.</translation>
    </message>
    <message>
        <source>at most one FILE</source>
        <translation>como máximo un FILE</translation>
    </message>
</context>
<context>
    <name>myAdvancedConfigurationWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulario</translation>
    </message>
    <message>
        <source>&lt;b&gt;&lt;u&gt;Configuración Panel&lt;/u&gt;&lt;/b&gt;</source>
        <translation>&lt;b&gt;&lt;u&gt;Configuración Panel&lt;/u&gt;&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Cancelar Retardo después de segunda alarma</source>
        <translation>Cancelar Retardo después de segunda alarma</translation>
    </message>
    <message>
        <source>Sirena 1</source>
        <translation>Sirena 1</translation>
    </message>
    <message>
        <source>Sirena 2</source>
        <translation>Sirena 2</translation>
    </message>
    <message>
        <source>Cancelar Retardo si la alarma es de pulsador</source>
        <translation>Cancelar Retardo si la alarma es de pulsador</translation>
    </message>
    <message>
        <source>Considerar cortocircuito como Alarma</source>
        <translation>Considerar cortocircuito como Alarma</translation>
    </message>
    <message>
        <source>Modo Confirmación</source>
        <translation>Modo Confirmación</translation>
    </message>
    <message>
        <source> Retardo </source>
        <translation> Retardo </translation>
    </message>
    <message>
        <source>seg</source>
        <translation>seg</translation>
    </message>
    <message>
        <source>Configuración Web Server</source>
        <translation>Configuración Web Server</translation>
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
        <translation>Máscara de red</translation>
    </message>
    <message>
        <source>Puerta de enlace</source>
        <translation>Puerta de enlace</translation>
    </message>
    <message>
        <source>Login</source>
        <translation>Login</translation>
    </message>
    <message>
        <source>Nombre de usuario</source>
        <translation>Nombre de usuario</translation>
    </message>
    <message>
        <source>Contraseña</source>
        <translation>Contraseña</translation>
    </message>
    <message>
        <source>Idioma web</source>
        <translation>Idioma web</translation>
    </message>
    <message>
        <source>Español</source>
        <translation>Español</translation>
    </message>
    <message>
        <source>Ingles</source>
        <translation>Ingles</translation>
    </message>
    <message>
        <source>Configuración SMTP</source>
        <translation>Configuración SMTP</translation>
    </message>
    <message>
        <source>Habilitar</source>
        <translation>Habilitar</translation>
    </message>
    <message>
        <source>Nombre del servidor</source>
        <translation>Nombre del servidor</translation>
    </message>
    <message>
        <source>Puerto</source>
        <translation>Puerto</translation>
    </message>
    <message>
        <source>Autenticación</source>
        <translation>Autenticación</translation>
    </message>
    <message>
        <source>Plana</source>
        <translation>Plana</translation>
    </message>
    <message>
        <source>Correo de salida</source>
        <translation>Correo de salida</translation>
    </message>
    <message>
        <source>Correo destino</source>
        <translation>Correo destino</translation>
    </message>
    <message>
        <source>Enviar correos</source>
        <translation>Enviar correos</translation>
    </message>
    <message>
        <source>Alarmas</source>
        <translation>Alarmas</translation>
    </message>
    <message>
        <source>Averías</source>
        <translation>Averías</translation>
    </message>
    <message>
        <source>Nombre de la instalación</source>
        <translation>Nombre de la instalación</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Advanced Configuration</source>
        <translation>Configuración avanzada</translation>
    </message>
    <message>
        <source>The Advanced Configuration page cannot show these values as they are. Each is kept unchanged until you change its setting on the page:</source>
        <translation>La página de configuración avanzada no puede mostrar estos valores tal como son. Cada uno se conserva sin cambios hasta que cambie su ajuste en la página:</translation>
    </message>
</context>
<context>
    <name>myconfigurationwidget</name>
    <message>
        <source>Dialog</source>
        <translation>Diálogo</translation>
    </message>
    <message>
        <source>Número de zonas</source>
        <translation>Número de zonas</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Seleccionar</translation>
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
        <translation>Tarjeta Auxiliar 1</translation>
    </message>
    <message>
        <source>tipo de tarjeta:</source>
        <translation>tipo de tarjeta:</translation>
    </message>
    <message>
        <source>Ninguna</source>
        <translation>Ninguna</translation>
    </message>
    <message>
        <source>Sirenas</source>
        <translation>Sirenas</translation>
    </message>
    <message>
        <source>Relés</source>
        <translation>Relés</translation>
    </message>
    <message>
        <source>Tarjeta Auxiliar 2</source>
        <translation>Tarjeta Auxiliar 2</translation>
    </message>
    <message>
        <source>Tarjeta Auxiliar 3</source>
        <translation>Tarjeta Auxiliar 3</translation>
    </message>
    <message>
        <source>Please introduce a valid number of zones before proceeding with the configuration</source>
        <translation>Introduzca un número de zonas válido antes de continuar con la configuración</translation>
    </message>
    <message>
        <source>Zone names</source>
        <translation>Nombres de zona</translation>
    </message>
    <message>
        <source>Zone %1</source>
        <translation>Zona %1</translation>
    </message>
</context>
</TS>
