<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>AxisView</name>
    <message>
        <source>%1    position %2    velocity %3</source>
        <translation>%1    position %2    vitesse %3</translation>
    </message>
    <message>
        <source>position %1 … %2</source>
        <translation>position %1 … %2</translation>
    </message>
    <message>
        <source>velocity ±%1</source>
        <translation>vitesse ±%1</translation>
    </message>
</context>
<context>
    <name>ControlWordWidget</name>
    <message>
        <source>%1 active, handle %2, flag %3</source>
        <translation>%1 actif, poignée %2, drapeau %3</translation>
    </message>
    <message>
        <source>on</source>
        <translation>activé</translation>
    </message>
    <message>
        <source>off</source>
        <translation>désactivé</translation>
    </message>
    <message>
        <source>no control panel active</source>
        <translation>aucun panneau de commande actif</translation>
    </message>
</context>
<context>
    <name>DriveDescription</name>
    <message>
        <source>a number is required for a %1 parameter</source>
        <translation>un paramètre %1 demande un nombre</translation>
    </message>
    <message>
        <source>a text is required for a %1 parameter</source>
        <translation>un paramètre %1 demande un texte</translation>
    </message>
    <message>
        <source>unknown field</source>
        <translation>champ inconnu</translation>
    </message>
    <message>
        <source>a coordinate such as &quot;J40&quot; is required</source>
        <translation>une coordonnée comme &quot;J40&quot; est requise</translation>
    </message>
    <message>
        <source>unknown data type &quot;%1&quot;</source>
        <translation>type de données inconnu &quot;%1&quot;</translation>
    </message>
    <message>
        <source>a whole number from 0 to %1 is required</source>
        <translation>un nombre entier de 0 à %1 est requis</translation>
    </message>
    <message>
        <source>%1 values for %2 elements</source>
        <translation>%1 valeurs pour %2 éléments</translation>
    </message>
    <message>
        <source>a number is required</source>
        <translation>un nombre est requis</translation>
    </message>
    <message>
        <source>%1 is outside the %2 range %3 .. %4</source>
        <translation>%1 est hors de la plage %2 %3 .. %4</translation>
    </message>
    <message>
        <source>an object from value to text is required</source>
        <translation>un objet associant des textes aux valeurs est requis</translation>
    </message>
    <message>
        <source>entry &quot;%1&quot; needs a numeric key and a text</source>
        <translation>l&apos;entrée &quot;%1&quot; demande une clé numérique et un texte</translation>
    </message>
    <message>
        <source>a text or an object with &quot;de&quot;, &quot;en&quot;, &quot;fr&quot; texts is required</source>
        <translation>un texte ou un objet avec des textes &quot;de&quot;, &quot;en&quot;, &quot;fr&quot; est requis</translation>
    </message>
    <message>
        <source>true or false is required</source>
        <translation>true ou false est requis</translation>
    </message>
    <message>
        <source>%1:%2: %3</source>
        <translation>%1:%2 : %3</translation>
    </message>
    <message>
        <source>%1:%2: field &quot;%3&quot;: %4</source>
        <translation>%1:%2 : champ &quot;%3&quot; : %4</translation>
    </message>
    <message>
        <source>a list of parameters is required</source>
        <translation>une liste de paramètres est requise</translation>
    </message>
    <message>
        <source>an object is required</source>
        <translation>un objet est requis</translation>
    </message>
    <message>
        <source>defined twice</source>
        <translation>défini deux fois</translation>
    </message>
</context>
<context>
    <name>DriveModel</name>
    <message>
        <source>offline</source>
        <translation>hors ligne</translation>
    </message>
    <message>
        <source>fault</source>
        <translation>défaut</translation>
    </message>
    <message>
        <source>disabled</source>
        <translation>verrouillé</translation>
    </message>
    <message>
        <source>switching on</source>
        <translation>mise en marche</translation>
    </message>
    <message>
        <source>halted</source>
        <translation>arrêté</translation>
    </message>
    <message>
        <source>standstill</source>
        <translation>arrêt</translation>
    </message>
    <message>
        <source>stopping</source>
        <translation>arrêt en cours</translation>
    </message>
    <message>
        <source>block %1</source>
        <translation>bloc %1</translation>
    </message>
    <message>
        <source>jogging</source>
        <translation>marche par à-coups</translation>
    </message>
    <message>
        <source>jog step</source>
        <translation>pas à pas</translation>
    </message>
    <message>
        <source>command</source>
        <translation>commande</translation>
    </message>
    <message>
        <source>velocity</source>
        <translation>vitesse</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Brevane Workbench</source>
        <translation>Brevane Workbench</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>Open &amp;recent</source>
        <translation>Ouvrir un fichier &amp;récent</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>Drive</source>
        <translation>Entraînement</translation>
    </message>
    <message>
        <source>Parameters</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>Control-panel word</source>
        <translation>Mot du panneau de commande</translation>
    </message>
    <message>
        <source>Host log</source>
        <translation>Journal de l&apos;hôte</translation>
    </message>
    <message>
        <source>Online</source>
        <translation>En ligne</translation>
    </message>
    <message>
        <source>Connected to the drive</source>
        <translation>Connecté à l&apos;entraînement</translation>
    </message>
    <message>
        <source>Read-only</source>
        <translation>Lecture seule</translation>
    </message>
    <message>
        <source>The project may not be edited</source>
        <translation>Le projet ne peut pas être modifié</translation>
    </message>
    <message>
        <source>&amp;Open drive…</source>
        <translation>&amp;Ouvrir un entraînement…</translation>
    </message>
    <message>
        <source>Open a drive description with its parameters and values</source>
        <translation>Ouvrir une description d&apos;entraînement avec ses paramètres et valeurs</translation>
    </message>
    <message>
        <source>Ctrl+O</source>
        <translation>Ctrl+O</translation>
    </message>
    <message>
        <source>&amp;Save drive</source>
        <translation>&amp;Enregistrer l&apos;entraînement</translation>
    </message>
    <message>
        <source>Ctrl+S</source>
        <translation>Ctrl+S</translation>
    </message>
    <message>
        <source>Save drive &amp;as…</source>
        <translation>Enregistrer l&apos;entraînement &amp;sous…</translation>
    </message>
    <message>
        <source>Ctrl+Shift+S</source>
        <translation>Ctrl+Shift+S</translation>
    </message>
    <message>
        <source>Reset settings</source>
        <translation>Réinitialiser les réglages</translation>
    </message>
    <message>
        <source>Forget the window, the docks, device, fieldbus, language, state, page and recent drives kept from earlier starts</source>
        <translation>Oublier la fenêtre, les docks, l&apos;appareil, le bus de terrain, la langue, l&apos;état, la page et les entraînements récents des démarrages précédents</translation>
    </message>
    <message>
        <source>Save window picture…</source>
        <translation>Enregistrer l&apos;image de la fenêtre…</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Ctrl+Q</source>
        <translation>Ctrl+Q</translation>
    </message>
    <message>
        <source>Device fault (E48 = 5)</source>
        <translation>Défaut de l&apos;appareil (E48 = 5)</translation>
    </message>
    <message>
        <source>Fault with switch-off (E81 = 3, E82 = 88)</source>
        <translation>Défaut avec coupure (E81 = 3, E82 = 88)</translation>
    </message>
    <message>
        <source>Another master takes the axis (A900 = 1)</source>
        <translation>Un autre maître prend l&apos;axe (A900 = 1)</translation>
    </message>
    <message>
        <source>Control panels locked (A918 = 1)</source>
        <translation>Panneaux de commande verrouillés (A918 = 1)</translation>
    </message>
    <message>
        <source>Connection lost (offline)</source>
        <translation>Connexion perdue (hors ligne)</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Appareil</translation>
    </message>
    <message>
        <source>Fieldbus</source>
        <translation>Bus de terrain</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>Brevane Workbench – %1 – %2[*]</source>
        <translation>Brevane Workbench – %1 – %2[*]</translation>
    </message>
    <message>
        <source>built-in drive</source>
        <translation>entraînement intégré</translation>
    </message>
    <message>
        <source>Open drive</source>
        <translation>Ouvrir un entraînement</translation>
    </message>
    <message>
        <source>Drive descriptions (*.json);;All files (*)</source>
        <translation>Descriptions d&apos;entraînement (*.json);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Opened %1</source>
        <translation>%1 ouvert</translation>
    </message>
    <message>
        <source>Save drive</source>
        <translation>Enregistrer l&apos;entraînement</translation>
    </message>
    <message>
        <source>Drive descriptions (*.json)</source>
        <translation>Descriptions d&apos;entraînement (*.json)</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation>%1 enregistré</translation>
    </message>
    <message>
        <source>Unsaved changes</source>
        <translation>Modifications non enregistrées</translation>
    </message>
    <message>
        <source>The drive has changes that are not saved yet. Save them?</source>
        <translation>L&apos;entraînement comporte des modifications non enregistrées. Les enregistrer ?</translation>
    </message>
    <message>
        <source>Settings forgotten: the next start begins with the defaults.</source>
        <translation>Réglages oubliés : le prochain démarrage reprend les valeurs par défaut.</translation>
    </message>
    <message>
        <source>Refused: %1</source>
        <translation>Refusé : %1</translation>
    </message>
    <message>
        <source>Axis</source>
        <translation>Axe</translation>
    </message>
    <message>
        <source>&amp;Drive</source>
        <translation>&amp;Entraînement</translation>
    </message>
    <message>
        <source>Injected until cleared; a device fault also needs acknowledging</source>
        <translation>Reste actif jusqu&apos;à l&apos;effacement ; un défaut de l&apos;appareil doit en outre être acquitté</translation>
    </message>
    <message>
        <source>Clear all faults</source>
        <translation>Effacer tous les défauts</translation>
    </message>
    <message>
        <source>online</source>
        <translation>en ligne</translation>
    </message>
    <message>
        <source>offline</source>
        <translation>hors ligne</translation>
    </message>
    <message>
        <source>read-only</source>
        <translation>lecture seule</translation>
    </message>
    <message>
        <source>editable</source>
        <translation>modifiable</translation>
    </message>
    <message>
        <source>picked %1 for &quot;%2&quot;; the host has no way to hand it to the page</source>
        <translation>%1 choisi pour « %2 » ; l&apos;hôte ne peut pas le transmettre à la page</translation>
    </message>
    <message>
        <source>Save window picture</source>
        <translation>Enregistrer l&apos;image de la fenêtre</translation>
    </message>
    <message>
        <source>PNG pictures (*.png)</source>
        <translation>Images PNG (*.png)</translation>
    </message>
    <message>
        <source>%1 could not be written.</source>
        <translation>%1 n&apos;a pas pu être écrit.</translation>
    </message>
    <message>
        <source>&amp;Export parameters…</source>
        <translation>&amp;Exporter les paramètres…</translation>
    </message>
    <message>
        <source>Export parameters</source>
        <translation>Exporter les paramètres</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Fichiers CSV (*.csv)</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>Impossible d’écrire %1 : %2</translation>
    </message>
    <message>
        <source>Exported the parameters to %1</source>
        <translation>Paramètres exportés dans %1</translation>
    </message>
    <message>
        <source>Forget the window layout, device, fieldbus, language, state, page, recent drives and folders kept from earlier starts? The docks go back to their places now; the rest takes effect at the next start.</source>
        <translation>Oublier la disposition de la fenêtre, l’appareil, le bus de terrain, la langue, l’état, la page, les entraînements et dossiers récents des démarrages précédents ? Les docks reprennent leur place tout de suite ; le reste prend effet au prochain démarrage.</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>Help on the focused control</source>
        <translation>Aide sur l’élément actif</translation>
    </message>
    <message>
        <source>About Brevane Workbench</source>
        <translation>À propos de Brevane Workbench</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Brevane Workbench %1&lt;/h3&gt;&lt;p&gt;Runs the %2 plug-in against a simulated drive, as the host application does.&lt;/p&gt;&lt;p&gt;Built with Qt %3, running on Qt %4.&lt;/p&gt;&lt;p&gt;Qt is used under the GNU Lesser General Public License, version 3. Brevane&apos;s own terms are those of the copy you received.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Brevane Workbench %1&lt;/h3&gt;&lt;p&gt;Exécute le plug-in %2 sur un entraînement simulé, comme le fait l’application hôte.&lt;/p&gt;&lt;p&gt;Compilé avec Qt %3, exécuté avec Qt %4.&lt;/p&gt;&lt;p&gt;Qt est utilisé sous la GNU Lesser General Public License, version 3. Brevane lui-même est soumis aux conditions de l’exemplaire que vous avez reçu.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&amp;About Brevane Workbench</source>
        <translation>&amp;À propos de Brevane Workbench</translation>
    </message>
    <message>
        <source>About &amp;Qt</source>
        <translation>À propos de &amp;Qt</translation>
    </message>
    <message>
        <source>&amp;Go to</source>
        <translation>&amp;Aller à</translation>
    </message>
    <message>
        <source>Next pane</source>
        <translation>Zone suivante</translation>
    </message>
    <message>
        <source>Previous pane</source>
        <translation>Zone précédente</translation>
    </message>
    <message>
        <source>Page</source>
        <translation>Page</translation>
    </message>
    <message>
        <source>Page tree</source>
        <translation>Arborescence des pages</translation>
    </message>
    <message>
        <source>No help for this control. Shift+F1 and a click show the help of any control that has one.</source>
        <translation>Pas d’aide pour cet élément. Maj+F1 puis un clic affichent l’aide de tout élément qui en a une.</translation>
    </message>
    <message>
        <source>%1 · %2 · %3 · %4 · motion block: %5</source>
        <translation>%1 · %2 · %3 · %4 · bloc de déplacement : %5</translation>
    </message>
    <message>
        <source>none</source>
        <translation>aucun</translation>
    </message>
</context>
<context>
    <name>ParameterBrowser</name>
    <message>
        <source>Filter: coordinate or name</source>
        <translation>Filtre : coordonnée ou nom</translation>
    </message>
    <message numerus="yes">
        <source>%n parameter(s)</source>
        <translation>
            <numerusform>%n paramètre</numerusform>
            <numerusform>%n paramètres</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
    </message>
</context>
<context>
    <name>ParameterModel</name>
    <message>
        <source>Coordinate</source>
        <translation>Coordonnée</translation>
    </message>
    <message>
        <source>Element</source>
        <translation>Élément</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Valeur</translation>
    </message>
    <message>
        <source>Limits: %1 .. %2</source>
        <translation>Limites : %1 .. %2</translation>
    </message>
    <message>
        <source>Default: %1</source>
        <translation>Par défaut : %1</translation>
    </message>
    <message>
        <source>%1: %2 cannot be kept exactly by a REAL32 (it would become %3)</source>
        <translation>%1 : %2 ne peut pas être conservé exactement dans un REAL32 (il deviendrait %3)</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Unité</translation>
    </message>
    <message>
        <source>Unit: %1</source>
        <translation>Unité : %1</translation>
    </message>
</context>
<context>
    <name>ParameterPickerDialog</name>
    <message>
        <source>Parameter input</source>
        <translation>Saisie de paramètre</translation>
    </message>
    <message>
        <source>Filter: coordinate or name</source>
        <translation>Filtre : coordonnée ou nom</translation>
    </message>
    <message>
        <source>Coordinate</source>
        <translation>Coordonnée</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>The host passes no answer back to the page: the choice is only noted in the log.</source>
        <translation>L&apos;hôte ne transmet aucune réponse à la page : le choix est seulement noté dans le journal.</translation>
    </message>
</context>
<context>
    <name>ParameterStore</name>
    <message>
        <source>the drive would hold more than %1 elements</source>
        <translation>l&apos;entraînement contiendrait plus de %1 éléments</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is no %3 number</source>
        <translation>%1 : « %2 » n&apos;est pas un nombre %3</translation>
    </message>
    <message>
        <source>%1: %2 is outside %3 .. %4</source>
        <translation>%1 : %2 est hors de %3 .. %4</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is no parameter address</source>
        <translation>%1 : « %2 » n&apos;est pas une adresse de paramètre</translation>
    </message>
    <message>
        <source>%1 does not exist in living space %2</source>
        <translation>%1 n&apos;existe pas dans l&apos;espace de vie %2</translation>
    </message>
    <message>
        <source>%1 has no element %2</source>
        <translation>%1 n&apos;a pas d&apos;élément %2</translation>
    </message>
    <message>
        <source>%1: %2 elements are more than %3</source>
        <translation>%1 : %2 éléments, c&apos;est plus que %3</translation>
    </message>
    <message>
        <source>%1: %2 elements would make the drive hold more than %3</source>
        <translation>%1 : avec %2 éléments, l’entraînement en contiendrait plus de %3</translation>
    </message>
    <message>
        <source>%1: unknown data type %2</source>
        <translation>%1 : type de données %2 inconnu</translation>
    </message>
    <message>
        <source>%1 is not defined</source>
        <translation>%1 n&apos;est pas défini</translation>
    </message>
    <message>
        <source>%1: cannot be read: %2</source>
        <translation>%1 : lecture impossible : %2</translation>
    </message>
</context>
<context>
    <name>QAbstractFileIconProvider</name>
    <message>
        <source>Drive</source>
        <translation>Lecteur</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Dossier</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>%1 File</source>
        <translation>Fichier %1</translation>
    </message>
    <message>
        <source>Shortcut</source>
        <translation>Raccourci</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Inconnu</translation>
    </message>
</context>
<context>
    <name>ScenarioRecorder</name>
    <message>
        <source>Record scenario</source>
        <translation>Enregistrer un scénario</translation>
    </message>
    <message>
        <source>Scenarios (*.json)</source>
        <translation>Scénarios (*.json)</translation>
    </message>
    <message>
        <source>Stop recording</source>
        <translation>Arrêter l&apos;enregistrement</translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <translation>%1 n&apos;a pas pu être écrit : %2</translation>
    </message>
    <message numerus="yes">
        <source>Recorded %n step(s) into %1</source>
        <translation>
            <numerusform>%n étape enregistrée dans %1</numerusform>
            <numerusform>%n étapes enregistrées dans %1</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, but it will not play back: %2</source>
        <translation>%1, mais ne pourra pas être rejoué : %2</translation>
    </message>
    <message>
        <source>Not recorded: %1</source>
        <translation>Non enregistré : %1</translation>
    </message>
    <message>
        <source>the %1 pressed has no object name to play it back by</source>
        <translation>l&apos;élément %1 pressé n&apos;a pas de nom d&apos;objet pour le rejouer</translation>
    </message>
    <message>
        <source>clicks into the list %1 cannot be played back</source>
        <translation>les clics dans la liste %1 ne peuvent pas être rejoués</translation>
    </message>
    <message>
        <source>the arrows of %1 cannot be played back; type the value instead</source>
        <translation>les flèches de %1 ne peuvent pas être rejouées ; saisissez plutôt la valeur</translation>
    </message>
    <message>
        <source>the %1 typed into has no object name to play it back by</source>
        <translation>l&apos;élément %1 saisi n&apos;a pas de nom d&apos;objet pour le rejouer</translation>
    </message>
    <message>
        <source>the choice box has no object name to play it back by</source>
        <translation>la liste de choix n&apos;a pas de nom d&apos;objet pour la rejouer</translation>
    </message>
    <message>
        <source>the box &quot;%1&quot; was closed with a button a scenario cannot name</source>
        <translation>la boîte « %1 » a été fermée par un bouton qu&apos;un scénario ne peut pas nommer</translation>
    </message>
    <message>
        <source>select the parameter to expect first</source>
        <translation>sélectionnez d&apos;abord le paramètre attendu</translation>
    </message>
    <message>
        <source>select one element of %1 to expect</source>
        <translation>sélectionnez un élément de %1 à attendre</translation>
    </message>
    <message>
        <source>Expecting %1 = %2</source>
        <translation>Attendu : %1 = %2</translation>
    </message>
    <message>
        <source>Record scenario…</source>
        <translation>Enregistrer un scénario…</translation>
    </message>
    <message>
        <source>Expect this value</source>
        <translation>Attendre cette valeur</translation>
    </message>
    <message>
        <source>Adds a step to the recording that expects the selected parameter&apos;s value</source>
        <translation>Ajoute à l&apos;enregistrement une étape qui attend la valeur du paramètre sélectionné</translation>
    </message>
    <message>
        <source>● Recording</source>
        <translation>● Enregistrement</translation>
    </message>
    <message>
        <source>A scenario is being recorded; Drive &gt; Stop recording writes it</source>
        <translation>Un scénario est en cours d’enregistrement ; Entraînement &gt; Arrêter l’enregistrement l’écrit</translation>
    </message>
    <message>
        <source>Recording into %1; the drive&apos;s changes since it was opened or saved are not part of it</source>
        <translation>Enregistrement dans %1 ; les modifications de l’entraînement depuis son ouverture ou son enregistrement n’en font pas partie</translation>
    </message>
    <message>
        <source>Recording into %1</source>
        <translation>Enregistrement dans %1</translation>
    </message>
</context>
<context>
    <name>ScenarioRunner</name>
    <message>
        <source>a text</source>
        <translation>un texte</translation>
    </message>
    <message>
        <source>a number</source>
        <translation>un nombre</translation>
    </message>
    <message>
        <source>true or false</source>
        <translation>true ou false</translation>
    </message>
    <message>
        <source>a text or a number</source>
        <translation>un texte ou un nombre</translation>
    </message>
    <message>
        <source>a list of texts</source>
        <translation>une liste de textes</translation>
    </message>
    <message>
        <source>is no button</source>
        <translation>n&apos;est pas un bouton</translation>
    </message>
    <message>
        <source>is no text field</source>
        <translation>n&apos;est pas un champ de texte</translation>
    </message>
    <message>
        <source>is no choice box</source>
        <translation>n&apos;est pas une liste de choix</translation>
    </message>
    <message>
        <source>%1: cannot be read: %2</source>
        <translation>%1 : lecture impossible : %2</translation>
    </message>
    <message>
        <source>%1: a scenario is an object with a &quot;steps&quot; array</source>
        <translation>%1 : un scénario est un objet avec une liste « steps »</translation>
    </message>
    <message>
        <source>a step is an object</source>
        <translation>une étape est un objet</translation>
    </message>
    <message>
        <source>invalid</source>
        <translation>non valide</translation>
    </message>
    <message>
        <source>%1: step %2 (%3): %4</source>
        <translation>%1 : étape %2 (%3) : %4</translation>
    </message>
    <message>
        <source>no &quot;step&quot; field</source>
        <translation>pas de champ « step »</translation>
    </message>
    <message>
        <source>unknown step</source>
        <translation>étape inconnue</translation>
    </message>
    <message>
        <source>unknown field &quot;%1&quot;</source>
        <translation>champ « %1 » inconnu</translation>
    </message>
    <message>
        <source>field &quot;%1&quot; must be %2</source>
        <translation>le champ « %1 » doit être %2</translation>
    </message>
    <message>
        <source>field &quot;%1&quot; is missing</source>
        <translation>le champ « %1 » manque</translation>
    </message>
    <message>
        <source>no page: show one first or name it in &quot;page&quot;</source>
        <translation>pas de page : en afficher une d&apos;abord ou la nommer dans « page »</translation>
    </message>
    <message>
        <source>unknown page &quot;%1&quot;</source>
        <translation>page « %1 » inconnue</translation>
    </message>
    <message>
        <source>page %1 has no object &quot;%2&quot;</source>
        <translation>la page %1 n&apos;a pas d&apos;objet « %2 »</translation>
    </message>
    <message>
        <source>unknown parameter &quot;%1&quot;</source>
        <translation>paramètre « %1 » inconnu</translation>
    </message>
    <message>
        <source>%1 has no element %2</source>
        <translation>%1 n&apos;a pas d&apos;élément %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must lie between 0 and %2</source>
        <translation>« %1 » doit être entre 0 et %2</translation>
    </message>
    <message>
        <source>a box is answered with %1</source>
        <translation>une boîte de dialogue se répond par %1</translation>
    </message>
    <message>
        <source>unknown fault &quot;%1&quot;; known are %2</source>
        <translation>défaut « %1 » inconnu ; connus : %2</translation>
    </message>
    <message>
        <source>nothing to expect: give &quot;value&quot;, &quot;min&quot; or &quot;max&quot;</source>
        <translation>rien à attendre : indiquer « value », « min » ou « max »</translation>
    </message>
    <message>
        <source>nothing to switch: give &quot;device&quot;, &quot;fieldbus&quot;, &quot;language&quot;, &quot;online&quot; or &quot;readOnly&quot;</source>
        <translation>rien à changer : indiquer « device », « fieldbus », « language », « online » ou « readOnly »</translation>
    </message>
    <message>
        <source>unknown device type &quot;%1&quot;</source>
        <translation>type d&apos;appareil « %1 » inconnu</translation>
    </message>
    <message>
        <source>unknown fieldbus &quot;%1&quot;</source>
        <translation>bus de terrain « %1 » inconnu</translation>
    </message>
    <message>
        <source>unknown language &quot;%1&quot;</source>
        <translation>langue « %1 » inconnue</translation>
    </message>
    <message>
        <source>nothing to expect: give &quot;enabled&quot;, &quot;visible&quot;, &quot;checked&quot; or &quot;text&quot;</source>
        <translation>rien à attendre : indiquer « enabled », « visible », « checked » ou « text »</translation>
    </message>
</context>
<context>
    <name>SimulatedDrive</name>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>%1 : écriture impossible : %2</translation>
    </message>
</context>
<context>
    <name>Workbench</name>
    <message>
        <source>%1: cannot be read: %2</source>
        <translation>%1 : lecture impossible : %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a page of another plug-in of the host. It stands in the tree so that jumps to it can be tried.</source>
        <translation>« %1 » est une page d&apos;un autre plug-in de l&apos;hôte. Elle figure dans l&apos;arborescence pour que l&apos;on puisse essayer d&apos;y sauter.</translation>
    </message>
    <message>
        <source>Not available yet: the plug-in does not create the page &quot;%1&quot;.</source>
        <translation>Pas encore disponible : le plug-in ne crée pas la page « %1 ».</translation>
    </message>
    <message>
        <source>Qt&apos;s own catalogue %1 is not installed; its buttons stay English</source>
        <translation>Le catalogue de Qt %1 n&apos;est pas installé ; ses boutons restent en anglais</translation>
    </message>
</context>
<context>
    <name>WorkbenchHost</name>
    <message>
        <source>Page &quot;%1&quot; is not in the tree</source>
        <translation>La page « %1 » n&apos;est pas dans l&apos;arborescence</translation>
    </message>
    <message>
        <source>Page &quot;%1&quot; is hidden</source>
        <translation>La page « %1 » est masquée</translation>
    </message>
</context>
<context>
    <name>WorkbenchNames</name>
    <message>
        <source>none</source>
        <translation>aucun</translation>
    </message>
</context>
</TS>
