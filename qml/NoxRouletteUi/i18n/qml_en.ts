<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="fr">
<context>
    <name>AppPage</name>
    <message>
        <source>Quitter</source>
        <translation>Quit</translation>
    </message>
    <message>
        <source>Retour</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>Réduire</source>
        <translation>Minimise</translation>
    </message>
    <message>
        <source>Fermer</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>AskButton</name>
    <message>
        <source>B ?</source>
        <translation>B?</translation>
    </message>
    <message>
        <source>P ?</source>
        <translation>P?</translation>
    </message>
    <message>
        <source>Ce qu&apos;un BANKER ajouterait aux routes (sans le jouer)</source>
        <translation>What a BANKER would add to the roads (without playing it)</translation>
    </message>
    <message>
        <source>Ce qu&apos;un PLAYER ajouterait aux routes (sans le jouer)</source>
        <translation>What a PLAYER would add to the roads (without playing it)</translation>
    </message>
</context>
<context>
    <name>BetButton</name>
    <message>
        <source>Miser</source>
        <translation>Bet</translation>
    </message>
    <message>
        <source>Placer les mises sur la table du casino</source>
        <translation>Place the bets on the casino table</translation>
    </message>
    <message>
        <source>ATTENTION! POUR ARRETER LA MISE AUTO, APPUYEZ SUR %1</source>
        <translation>WARNING! TO STOP AUTO BETTING, PRESS %1</translation>
    </message>
    <message>
        <source>Session Wayland : les clics n&apos;atteignent pas un navigateur lancé en Wayland. Voir Paramètres, Calibration.</source>
        <translation>Wayland session: the clicks do not reach a browser running on Wayland. See Settings, Calibration.</translation>
    </message>
    <message>
        <source>SESSION WAYLAND : LES CLICS N&apos;ATTEIGNENT PAS LA TABLE</source>
        <translation>WAYLAND SESSION: THE CLICKS DO NOT REACH THE TABLE</translation>
    </message>
</context>
<context>
    <name>BetPreviewDialog</name>
    <message>
        <source>Aperçu de la mise</source>
        <translation>Bet preview</translation>
    </message>
    <message>
        <source>Fermer</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Jeton %1</source>
        <translation>Chip %1</translation>
    </message>
    <message>
        <source>Doubler</source>
        <translation>Double</translation>
    </message>
    <message>
        <source>Les mises sont suspendues : aucun clic.</source>
        <translation>Betting is suspended: no click.</translation>
    </message>
    <message>
        <source>Aucune mise possible.</source>
        <translation>No bet can be placed.</translation>
    </message>
    <message>
        <source>Aucune mise proposée pour le prochain coup.</source>
        <translation>No stake proposed for the next coup.</translation>
    </message>
    <message>
        <source>%1 clics, %2 misés</source>
        <translation>%1 clicks, %2 staked</translation>
    </message>
    <message>
        <source>Prendre %1 (%2)</source>
        <translation>Take %1 (%2)</translation>
    </message>
    <message>
        <source>Poser %1 sur %2</source>
        <translation>Put %1 on %2</translation>
    </message>
    <message>
        <source>Cliquer %1</source>
        <translation>Click %1</translation>
    </message>
</context>
<context>
    <name>BigRoadStrip</name>
    <message>
        <source>Grande route du sabot en cours</source>
        <translation>Big road of the current shoe</translation>
    </message>
    <message numerus="yes">
        <source>%n TIE avant le premier résultat</source>
        <translation>
            <numerusform>%n TIE before the first result</numerusform>
            <numerusform>%n TIEs before the first result</numerusform>
        </translation>
    </message>
    <message>
        <source>Sabot %1 : aucun coup</source>
        <translation>Shoe %1: no coup yet</translation>
    </message>
</context>
<context>
    <name>CalibrationConfig</name>
    <message>
        <source>Cliquez au centre du jeton 1</source>
        <translation>Click the centre of chip 1</translation>
    </message>
    <message>
        <source>Cliquez au centre du jeton 2</source>
        <translation>Click the centre of chip 2</translation>
    </message>
    <message>
        <source>Cliquez au centre du jeton 3</source>
        <translation>Click the centre of chip 3</translation>
    </message>
    <message>
        <source>Cliquez au centre du jeton 4</source>
        <translation>Click the centre of chip 4</translation>
    </message>
    <message>
        <source>Cliquez au centre du jeton 5</source>
        <translation>Click the centre of chip 5</translation>
    </message>
    <message>
        <source>Cliquez au centre du jeton 6</source>
        <translation>Click the centre of chip 6</translation>
    </message>
    <message>
        <source>Cliquez au centre du jeton 7</source>
        <translation>Click the centre of chip 7</translation>
    </message>
    <message>
        <source>Cliquez au centre du jeton 8</source>
        <translation>Click the centre of chip 8</translation>
    </message>
    <message>
        <source>Calibration des jetons</source>
        <translation>Chip calibration</translation>
    </message>
    <message>
        <source>Calibration des numéros</source>
        <translation>Spot calibration</translation>
    </message>
    <message>
        <source>Cliquez au centre de &apos;PLAYER&apos; sur le tapis</source>
        <translation>Click the centre of &apos;PLAYER&apos; on the table</translation>
    </message>
    <message>
        <source>Cliquez au centre de &apos;BANKER&apos; le tapis</source>
        <translation type="vanished">Click the centre of &apos;BANKER&apos; on the table</translation>
    </message>
    <message>
        <source>Cliquez au centre de &apos;TIE&apos; sur le tapis</source>
        <translation>Click the centre of &apos;TIE&apos; on the table</translation>
    </message>
    <message>
        <source>Calibration autres</source>
        <translation>Other calibration</translation>
    </message>
    <message>
        <source>Cliquez au centre du bouton doubler</source>
        <translation>Click the centre of the double button</translation>
    </message>
    <message>
        <source>non calibré</source>
        <translation>not calibrated</translation>
    </message>
    <message>
        <source>Jeton %1</source>
        <translation>Chip %1</translation>
    </message>
    <message>
        <source>Calibrage Jetons</source>
        <translation>Calibrate chips</translation>
    </message>
    <message>
        <source>Calibrage Numéros</source>
        <translation>Calibrate spots</translation>
    </message>
    <message>
        <source>Calibrage du bouton &apos;Doubler&apos;</source>
        <translation>Calibrate the &apos;Double&apos; button</translation>
    </message>
    <message>
        <source>Doubler</source>
        <translation>Double</translation>
    </message>
    <message>
        <source>Spécial Authentic</source>
        <translation>Authentic special</translation>
    </message>
    <message>
        <source>Spécial Evolution</source>
        <translation>Evolution special</translation>
    </message>
    <message>
        <source>Délai de clic (sec)</source>
        <translation>Click delay (s)</translation>
    </message>
    <message>
        <source>Aperçu de la mise</source>
        <translation>Bet preview</translation>
    </message>
    <message>
        <source>Cliquez au centre de &apos;BANKER&apos; sur le tapis</source>
        <translation>Click the centre of &apos;BANKER&apos; on the table</translation>
    </message>
</context>
<context>
    <name>CalibrationDialog</name>
    <message>
        <source>Terminé</source>
        <translation>Done</translation>
    </message>
    <message>
        <source>Étape %1 / %2</source>
        <translation>Step %1 / %2</translation>
    </message>
    <message>
        <source>NB: lorsque vous cliquez sur le tapis pour calibrer, faites-le quand il n&apos;est plus possible de miser afin d&apos;éviter de poser inutilement des jetons</source>
        <translation>NB: when you click on the table to calibrate, do it while betting is closed so that no chip is placed by mistake</translation>
    </message>
    <message>
        <source>Annuler</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Valider</source>
        <translation>Confirm</translation>
    </message>
</context>
<context>
    <name>CapitalDialog</name>
    <message>
        <source>Capital</source>
        <translation>Capital</translation>
    </message>
    <message>
        <source>Valider</source>
        <translation>Confirm</translation>
    </message>
    <message>
        <source>Annuler</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Capital de départ</source>
        <translation>Starting capital</translation>
    </message>
    <message>
        <source>Limite de gain</source>
        <translation>Gain limit</translation>
    </message>
    <message>
        <source>Limite de perte</source>
        <translation>Loss limit</translation>
    </message>
</context>
<context>
    <name>Dashboard</name>
    <message>
        <source>Aucune montante</source>
        <translation>No progression</translation>
    </message>
    <message>
        <source>Mise</source>
        <translation>Stake</translation>
    </message>
    <message>
        <source>Profit</source>
        <translation>Profit</translation>
    </message>
    <message>
        <source>Jeton %1</source>
        <translation type="vanished">Chip %1</translation>
    </message>
    <message numerus="yes">
        <source>%n coup(s)</source>
        <translation>
            <numerusform>%n coup</numerusform>
            <numerusform>%n coups</numerusform>
        </translation>
    </message>
    <message>
        <source>Première mise %1</source>
        <translation>First stake %1</translation>
    </message>
</context>
<context>
    <name>DeveloperForm</name>
    <message>
        <source>Page courante : %1</source>
        <translation>Current page: %1</translation>
    </message>
    <message>
        <source>Pages : %1</source>
        <translation>Pages: %1</translation>
    </message>
    <message>
        <source>Popups ouverts : %1</source>
        <translation>Open popups: %1</translation>
    </message>
</context>
<context>
    <name>ErrorDialog</name>
    <message>
        <source>Erreur</source>
        <translation>Error</translation>
    </message>
</context>
<context>
    <name>FinancialConfig</name>
    <message>
        <source>Montante</source>
        <translation>Progression</translation>
    </message>
    <message>
        <source>Jeton actuel</source>
        <translation>Current chip</translation>
    </message>
    <message>
        <source>Jeton de départ</source>
        <translation>Starting chip</translation>
    </message>
    <message>
        <source>Montantes perso</source>
        <translation>Custom progressions</translation>
    </message>
    <message>
        <source>Redémarrer</source>
        <translation>Restart</translation>
    </message>
    <message>
        <source>Nouvelle partie</source>
        <translation>New game</translation>
    </message>
    <message>
        <source>Arrêts de session</source>
        <translation>Session stops</translation>
    </message>
    <message>
        <source>Arrêt à la limite de perte</source>
        <translation>Stop at the loss limit</translation>
    </message>
    <message>
        <source>Arrêt à la limite de gain</source>
        <translation>Stop at the gain limit</translation>
    </message>
    <message>
        <source>Désactivées, les limites de perte et de gain ne font qu&apos;avertir.</source>
        <translation>When off, the loss and gain limits only warn.</translation>
    </message>
    <message>
        <source>Pertes de suite</source>
        <translation>Losses in a row</translation>
    </message>
    <message>
        <source>Coups misés</source>
        <translation>Coups staked</translation>
    </message>
    <message>
        <source>Durée (minutes)</source>
        <translation>Length (minutes)</translation>
    </message>
    <message>
        <source>Stop suiveur : déclenchement</source>
        <translation>Trailing stop: trigger</translation>
    </message>
    <message>
        <source>Stop suiveur : recul</source>
        <translation>Trailing stop: fall</translation>
    </message>
    <message>
        <source>Armé quand le gain de la session atteint le déclenchement, il arrête après un recul de ce montant depuis le plus haut.</source>
        <translation>Armed once the session&apos;s gain reaches the trigger, it stops after a fall of this amount from the high.</translation>
    </message>
    <message>
        <source>Mise maximale par coup</source>
        <translation>Largest stake per coup</translation>
    </message>
    <message>
        <source>Au-delà de la mise maximale</source>
        <translation>Above the largest stake</translation>
    </message>
    <message>
        <source>Plafonner</source>
        <translation>Cap</translation>
    </message>
    <message>
        <source>Refuser</source>
        <translation>Refuse</translation>
    </message>
    <message>
        <source>Limites de la table</source>
        <translation>Table limits</translation>
    </message>
    <message>
        <source>PLAYER</source>
        <translation>PLAYER</translation>
    </message>
    <message>
        <source>BANKER</source>
        <translation>BANKER</translation>
    </message>
    <message>
        <source>TIE</source>
        <translation>TIE</translation>
    </message>
    <message>
        <source>Une règle atteinte suspend les mises jusqu&apos;à « Reprendre ». 0&#xa0;=&#xa0;désactivé.</source>
        <translation>A rule reached suspends the betting until “Resume”. 0&#xa0;=&#xa0;off.</translation>
    </message>
    <message>
        <source>Une mise au-dessus de la limite n&apos;est pas placée. 0&#xa0;=&#xa0;aucune limite.</source>
        <translation>A stake above the limit is not placed. 0&#xa0;=&#xa0;no limit.</translation>
    </message>
</context>
<context>
    <name>Keypad</name>
    <message>
        <source>PLAYER</source>
        <translation>PLAYER</translation>
    </message>
    <message>
        <source>TIE</source>
        <translation>TIE</translation>
    </message>
    <message>
        <source>BANKER</source>
        <translation>BANKER</translation>
    </message>
</context>
<context>
    <name>KeypadKey</name>
    <message>
        <source>Hors limite</source>
        <translation>Over limit</translation>
    </message>
    <message>
        <source>Refusée</source>
        <translation>Refused</translation>
    </message>
    <message>
        <source>Plafonnée</source>
        <translation>Capped</translation>
    </message>
    <message>
        <source>Au-dessus de la limite de la table : cette mise n&apos;est pas placée.</source>
        <translation>Above the table&apos;s limit: this stake is not placed.</translation>
    </message>
    <message>
        <source>Le coup dépasse la mise maximale : cette mise n&apos;est pas placée.</source>
        <translation>The coup is above the largest stake: this stake is not placed.</translation>
    </message>
    <message>
        <source>Abaissée pour que le coup reste dans la mise maximale.</source>
        <translation>Lowered so that the coup stays within the largest stake.</translation>
    </message>
</context>
<context>
    <name>Main</name>
    <message>
        <source>Baccarat</source>
        <translation>Baccarat</translation>
    </message>
    <message>
        <source>Fichiers endommagés</source>
        <translation>Damaged files</translation>
    </message>
</context>
<context>
    <name>MethodBlockDomConfig</name>
    <message>
        <source>Définition des blocs dominants</source>
        <translation>Dominant block definitions</translation>
    </message>
    <message>
        <source>Blocs dominants</source>
        <translation>Dominant blocks</translation>
    </message>
</context>
<context>
    <name>MethodBlocksConfig</name>
    <message>
        <source>Définition des blocs</source>
        <translation>Block definitions</translation>
    </message>
    <message>
        <source>Min</source>
        <translation>Min</translation>
    </message>
    <message>
        <source>Max</source>
        <translation>Max</translation>
    </message>
</context>
<context>
    <name>MethodChartDialog</name>
    <message>
        <source>Graph des écarts</source>
        <translation>Gap chart</translation>
    </message>
    <message>
        <source>Fermer</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Pas encore d&apos;écart pour cette méthode.</source>
        <translation>No gap yet for this method.</translation>
    </message>
    <message>
        <source>Ecart moyen %1 · Ratio %2 · Bloc %3–%4</source>
        <translation>Mean gap %1 · Ratio %2 · Block %3–%4</translation>
    </message>
    <message>
        <source>Détails</source>
        <translation>Details</translation>
    </message>
    <message>
        <source>Profit de la méthode</source>
        <translation>Method profit</translation>
    </message>
    <message>
        <source>Ecarts récents</source>
        <translation>Recent gaps</translation>
    </message>
    <message>
        <source>— bloc max %1</source>
        <translation>— block max %1</translation>
    </message>
    <message>
        <source>Pas encore de profit pour cette méthode.</source>
        <translation>No profit yet for this method.</translation>
    </message>
</context>
<context>
    <name>MethodConfigPage</name>
    <message>
        <source>Toutes les méthodes</source>
        <translation>All methods</translation>
    </message>
    <message>
        <source>Restaurer par défaut</source>
        <translation>Restore defaults</translation>
    </message>
    <message>
        <source>Appliquer à tous</source>
        <translation>Apply to all</translation>
    </message>
</context>
<context>
    <name>MethodDetailsDialog</name>
    <message>
        <source>Détails de méthode</source>
        <translation>Method details</translation>
    </message>
    <message>
        <source>Fermer</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>oui</source>
        <translation>yes</translation>
    </message>
    <message>
        <source>non</source>
        <translation>no</translation>
    </message>
</context>
<context>
    <name>MethodEcartNotifConfig</name>
    <message>
        <source>Notification des grands écarts</source>
        <translation>Large gap notifications</translation>
    </message>
    <message>
        <source>Ecart minimum</source>
        <translation>Minimum gap</translation>
    </message>
    <message>
        <source>moy. %1</source>
        <translation>mean %1</translation>
    </message>
</context>
<context>
    <name>MethodParametersDialog</name>
    <message>
        <source>Paramètres</source>
        <translation>Parameters</translation>
    </message>
    <message>
        <source>Valider</source>
        <translation>Confirm</translation>
    </message>
    <message>
        <source>Annuler</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Cette méthode n&apos;a pas de paramètre.</source>
        <translation>This method has no parameter.</translation>
    </message>
</context>
<context>
    <name>MethodRow</name>
    <message>
        <source>Graph des écarts</source>
        <translation>Gap chart</translation>
    </message>
    <message>
        <source>Détails de méthode</source>
        <translation>Method details</translation>
    </message>
</context>
<context>
    <name>MethodVisibilityList</name>
    <message>
        <source>Toutes les méthodes</source>
        <translation>All methods</translation>
    </message>
    <message>
        <source>Méthode</source>
        <translation>Method</translation>
    </message>
    <message>
        <source>Partagée · Visible</source>
        <translation>Split · Visible</translation>
    </message>
</context>
<context>
    <name>MethodVisibilityPage</name>
    <message>
        <source>Filtre détaillé</source>
        <translation>Detailed filter</translation>
    </message>
    <message>
        <source>Pas de profil selectionné</source>
        <translation>No profile selected</translation>
    </message>
    <message>
        <source>Charger un profil</source>
        <translation>Load a profile</translation>
    </message>
    <message>
        <source>Enregistrer le profil</source>
        <translation>Save the profile</translation>
    </message>
    <message>
        <source>Profile files (*.pfl)</source>
        <translation>Profile files (*.pfl)</translation>
    </message>
</context>
<context>
    <name>MethodVisibilityRow</name>
    <message>
        <source>Paramètres de la méthode</source>
        <translation>Method parameters</translation>
    </message>
    <message>
        <source>Vue partagée</source>
        <translation>Split view</translation>
    </message>
    <message>
        <source>Visible</source>
        <translation>Visible</translation>
    </message>
</context>
<context>
    <name>ModeBar</name>
    <message>
        <source>Pro</source>
        <translation>Pro</translation>
    </message>
    <message>
        <source>Quick</source>
        <translation>Quick</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>Split</translation>
    </message>
    <message>
        <source>Méthodes</source>
        <translation>Methods</translation>
    </message>
    <message>
        <source>Courbe des profits</source>
        <translation>Profit curve</translation>
    </message>
    <message>
        <source>Routes</source>
        <translation>Roads</translation>
    </message>
</context>
<context>
    <name>NotificationConfig</name>
    <message>
        <source>Notification des grands écarts</source>
        <translation>Large gap notifications</translation>
    </message>
    <message>
        <source>Définition des blocs</source>
        <translation>Block definitions</translation>
    </message>
    <message>
        <source>Définition des blocs dominants</source>
        <translation>Dominant block definitions</translation>
    </message>
    <message>
        <source>Sorties de blocs</source>
        <translation>Block exits</translation>
    </message>
    <message>
        <source>Retour tendance</source>
        <translation>Trend return</translation>
    </message>
    <message>
        <source>Ecart zéro</source>
        <translation>Zero gap</translation>
    </message>
    <message>
        <source>Blocs dominants confirmés</source>
        <translation>Confirmed dominant blocks</translation>
    </message>
    <message>
        <source>Ecart Max</source>
        <translation>Max gap</translation>
    </message>
    <message>
        <source>Détection AUTO</source>
        <translation>AUTO detection</translation>
    </message>
    <message>
        <source>Compteur &apos;ME&apos; positif</source>
        <translation>Positive &apos;ME&apos; counter</translation>
    </message>
    <message>
        <source>Quick mode intelligent</source>
        <translation>Smart quick mode</translation>
    </message>
    <message>
        <source>Quick mode méthode active isolée</source>
        <translation>Quick mode: isolated active method</translation>
    </message>
    <message>
        <source>Jouer seulement dans les blocs dominants</source>
        <translation>Play only in dominant blocks</translation>
    </message>
</context>
<context>
    <name>NoxArchive</name>
    <message>
        <source>Archive des sessions indisponible</source>
        <translation>Session archive unavailable</translation>
    </message>
    <message>
        <source>Le pilote SQLite de Qt manque : les sessions ne sont pas archivées.</source>
        <translation>Qt&apos;s SQLite driver is missing: sessions are not archived.</translation>
    </message>
    <message>
        <source>Archive des sessions endommagée</source>
        <translation>Session archive damaged</translation>
    </message>
    <message>
        <source>L&apos;archive des sessions ne pouvait pas être lue : elle est gardée sous %1 et une nouvelle archive commence.</source>
        <translation>The session archive could not be read: it is kept as %1 and a new archive starts.</translation>
    </message>
    <message>
        <source>L&apos;archive %1 ne peut pas être ouverte (%2) : les sessions ne sont pas archivées, le jeu continue.</source>
        <translation>The archive %1 cannot be opened (%2): sessions are not archived, play goes on.</translation>
    </message>
    <message>
        <source>Archive des sessions</source>
        <translation>Session archive</translation>
    </message>
    <message>
        <source>Un coup n&apos;a pas pu être écrit dans l&apos;archive des sessions (%1). Le jeu continue ; libérez de la place sur le disque.</source>
        <translation>A coup could not be written to the session archive (%1). Play goes on; free some disk space.</translation>
    </message>
</context>
<context>
    <name>NoxDialog</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>NoxFileDialog</name>
    <message>
        <source>Enregistrer</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Ouvrir</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Annuler</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Dossier parent</source>
        <translation>Parent folder</translation>
    </message>
    <message>
        <source>Aucun fichier ici : %1</source>
        <translation>No file here: %1</translation>
    </message>
    <message>
        <source>Filtre : %1</source>
        <translation>Filter: %1</translation>
    </message>
    <message>
        <source>Nom du fichier</source>
        <translation>File name</translation>
    </message>
</context>
<context>
    <name>NoxGuards</name>
    <message>
        <source>Pertes de suite : entre 0 (désactivé) et %1.</source>
        <translation>Losses in a row: between 0 (off) and %1.</translation>
    </message>
    <message>
        <source>Coups misés : entre 0 (désactivé) et %1.</source>
        <translation>Coups staked: between 0 (off) and %1.</translation>
    </message>
    <message>
        <source>Durée de session : entre 0 (désactivé) et %1 minutes.</source>
        <translation>Session length: between 0 (off) and %1 minutes.</translation>
    </message>
    <message>
        <source>Stop suiveur : des montants entre 0 et %1.</source>
        <translation>Trailing stop: amounts between 0 and %1.</translation>
    </message>
    <message>
        <source>Stop suiveur : choisissez le gain qui l&apos;arme.</source>
        <translation>Trailing stop: choose the gain that arms it.</translation>
    </message>
    <message>
        <source>Stop suiveur : choisissez le recul qui arrête.</source>
        <translation>Trailing stop: choose the fall that stops.</translation>
    </message>
    <message>
        <source>Stop suiveur : le recul (%1) ne peut dépasser le gain qui l&apos;arme (%2).</source>
        <translation>Trailing stop: the fall (%1) cannot exceed the gain that arms it (%2).</translation>
    </message>
    <message>
        <source>Mise maximale : entre 0 (désactivé) et %1.</source>
        <translation>Largest stake: between 0 (off) and %1.</translation>
    </message>
    <message>
        <source>Mise maximale : au moins le plus petit jeton (%1).</source>
        <translation>Largest stake: at least the smallest chip (%1).</translation>
    </message>
    <message>
        <source>Limites de la table : entre 0 (aucune) et %1.</source>
        <translation>Table limits: between 0 (none) and %1.</translation>
    </message>
    <message>
        <source>Arrêt : limite de perte atteinte (%1, limite %2)</source>
        <translation>Stop: loss limit reached (%1, limit %2)</translation>
    </message>
    <message>
        <source>Arrêt : limite de gain atteinte (%1, limite %2)</source>
        <translation>Stop: gain limit reached (%1, limit %2)</translation>
    </message>
    <message>
        <source>Arrêt : stop suiveur, %1 depuis le plus haut de %2 (recul permis %3)</source>
        <translation>Stop: trailing stop, %1 from the high of %2 (fall allowed %3)</translation>
    </message>
    <message>
        <source>Arrêt : %1 perte de suite (limite %2)</source>
        <translation>Stop: %1 loss in a row (limit %2)</translation>
    </message>
    <message>
        <source>Arrêt : %1 pertes de suite (limite %2)</source>
        <translation>Stop: %1 losses in a row (limit %2)</translation>
    </message>
    <message>
        <source>Arrêt : %1 coup misé (limite %2)</source>
        <translation>Stop: %1 coup staked (limit %2)</translation>
    </message>
    <message>
        <source>Arrêt : %1 coups misés (limite %2)</source>
        <translation>Stop: %1 coups staked (limit %2)</translation>
    </message>
    <message>
        <source>Arrêt : %1 min de session (limite %2 min)</source>
        <translation>Stop: %1 min of session (limit %2 min)</translation>
    </message>
    <message>
        <source>Mise maximale : plafonner ou refuser, rien d&apos;autre.</source>
        <translation>Largest stake: cap or refuse, nothing else.</translation>
    </message>
</context>
<context>
    <name>NoxMontanteLibrary</name>
    <message>
        <source>enregistrement incomplet à l&apos;octet %1</source>
        <translation>record cut short at byte %1</translation>
    </message>
    <message>
        <source>nombre de paliers impossible : %1</source>
        <translation>impossible step count: %1</translation>
    </message>
    <message>
        <source>fichier vide</source>
        <translation>empty file</translation>
    </message>
    <message>
        <source>en-tête incomplet</source>
        <translation>header cut short</translation>
    </message>
    <message>
        <source>en-tête inconnu</source>
        <translation>unknown header</translation>
    </message>
    <message>
        <source>nombre de montantes absent</source>
        <translation>progression count missing</translation>
    </message>
    <message>
        <source>nombre de montantes impossible : %1</source>
        <translation>impossible progression count: %1</translation>
    </message>
    <message>
        <source>%1 octets inattendus après la dernière montante</source>
        <translation>%1 unexpected bytes after the last progression</translation>
    </message>
    <message>
        <source>pas une bibliothèque de montantes, fichier trop grand</source>
        <translation>not a progression library, file too large</translation>
    </message>
</context>
<context>
    <name>NoxProfileFile</name>
    <message>
        <source>pas un fichier de profil, fichier trop grand</source>
        <translation>not a profile file, file too large</translation>
    </message>
    <message>
        <source>fichier de profil incomplet</source>
        <translation>truncated profile file</translation>
    </message>
    <message>
        <source>nombre de méthodes impossible dans le fichier de profil</source>
        <translation>impossible method count in the profile file</translation>
    </message>
    <message>
        <source>données inattendues à la fin du fichier de profil</source>
        <translation>unexpected data at the end of the profile file</translation>
    </message>
</context>
<context>
    <name>NoxStartupReport</name>
    <message>
        <source>La bibliothèque de montantes n&apos;a pas pu être lue (%1) : les montantes intégrées sont utilisées.</source>
        <translation>The progression library could not be read (%1): the built-in progressions are used.</translation>
    </message>
    <message>
        <source>%1 est illisible : les réglages par défaut sont utilisés, le fichier est gardé sous %2.</source>
        <translation>%1 cannot be read: the default settings are used, the file is kept as %2.</translation>
    </message>
</context>
<context>
    <name>OtherConfig</name>
    <message>
        <source>Langue</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>Rester au premier plan</source>
        <translation>Stay on top</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
</context>
<context>
    <name>PlaceholderPage</name>
    <message>
        <source>Cette page arrive bientôt.</source>
        <translation>This page is coming soon.</translation>
    </message>
</context>
<context>
    <name>PlayScreen</name>
    <message>
        <source>Baccarat</source>
        <translation>Baccarat</translation>
    </message>
    <message>
        <source>Paramètres</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>Effacer</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>Retirer le dernier résultat</source>
        <translation>Remove the last result</translation>
    </message>
    <message>
        <source>Couper</source>
        <translation>Cut</translation>
    </message>
    <message>
        <source>Garder seulement les derniers résultats</source>
        <translation>Keep only the last results</translation>
    </message>
    <message>
        <source>Reprendre</source>
        <translation>Resume</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Annuler</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Remettre la montante au départ</source>
        <translation>Reset the progression</translation>
    </message>
    <message>
        <source>La mise n&apos;a pas pu être placée.</source>
        <translation>The bet could not be placed.</translation>
    </message>
    <message>
        <source>Mise interrompue</source>
        <translation>Bet stopped</translation>
    </message>
    <message>
        <source> : les mises sont suspendues, « Reprendre » pour continuer.</source>
        <translation>: betting is suspended, “Resume” to go on.</translation>
    </message>
</context>
<context>
    <name>PlayedStrip</name>
    <message>
        <source>Aucun résultat : entrez le premier coup sur le clavier.</source>
        <translation>No result yet: enter the first coup on the keypad.</translation>
    </message>
</context>
<context>
    <name>PlayedValuesConfig</name>
    <message>
        <source>Exporter</source>
        <translation>Export</translation>
    </message>
    <message>
        <source>Ajouter une permanence</source>
        <translation>Add a history</translation>
    </message>
    <message>
        <source>Arrêter</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Garder les derniers numéros</source>
        <translation type="vanished">Keep the last results</translation>
    </message>
    <message>
        <source>Couper la permanence</source>
        <translation>Cut the history</translation>
    </message>
    <message>
        <source>Taille d&apos;échantillon</source>
        <translation>Sample size</translation>
    </message>
    <message>
        <source>Valider</source>
        <translation>Confirm</translation>
    </message>
    <message>
        <source>Annuler</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Un résultat par ligne : P, B ou T.</source>
        <translation>One result per line: P, B or T.</translation>
    </message>
    <message>
        <source>Lecture du fichier…</source>
        <translation>Reading the file…</translation>
    </message>
    <message>
        <source>Ajout des résultats…</source>
        <translation>Adding the results…</translation>
    </message>
    <message>
        <source>Garder les derniers résultats</source>
        <translation>Keep the last results</translation>
    </message>
    <message>
        <source>Importer un fichier</source>
        <translation>Import a file</translation>
    </message>
    <message>
        <source>Importer une permanence</source>
        <translation>Import a history</translation>
    </message>
    <message>
        <source>Permanences (*.txt)</source>
        <translation>Histories (*.txt)</translation>
    </message>
    <message>
        <source>Tous les fichiers (*)</source>
        <translation>All files (*)</translation>
    </message>
</context>
<context>
    <name>ProView</name>
    <message>
        <source>Tri des méthodes</source>
        <translation>Method sorting</translation>
    </message>
    <message>
        <source>Sorties de blocs</source>
        <translation>Block exits</translation>
    </message>
    <message>
        <source>Blocs dominants confirmés</source>
        <translation>Confirmed dominant blocks</translation>
    </message>
    <message>
        <source>Retour tendance</source>
        <translation>Trend return</translation>
    </message>
    <message>
        <source>Méthodes actives</source>
        <translation>Active methods</translation>
    </message>
    <message>
        <source>Ecart</source>
        <translation>Gap</translation>
    </message>
    <message>
        <source>Max</source>
        <translation>Max</translation>
    </message>
    <message>
        <source>Aucune méthode ne passe les filtres. Coupez « Méthodes actives » ou les filtres de signaux.</source>
        <translation>No method passes the filters. Turn off “Active methods” or the signal filters.</translation>
    </message>
</context>
<context>
    <name>ProfitPanel</name>
    <message>
        <source>Profit</source>
        <translation>Profit</translation>
    </message>
    <message>
        <source>Gagnés / perdus</source>
        <translation>Won / lost</translation>
    </message>
    <message>
        <source>Mise max</source>
        <translation>Max stake</translation>
    </message>
    <message>
        <source>Total misé</source>
        <translation>Total staked</translation>
    </message>
    <message>
        <source>Profit max</source>
        <translation>Max profit</translation>
    </message>
    <message>
        <source>Profit min</source>
        <translation>Min profit</translation>
    </message>
    <message>
        <source>Remise à zéro</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>Aucune mise réglée : la courbe des profits apparaît après la première mise.</source>
        <translation>No settled bet: the profit curve appears after the first bet.</translation>
    </message>
</context>
<context>
    <name>QuickView</name>
    <message>
        <source>Ecart %1 / %2</source>
        <translation>Gap %1 / %2</translation>
    </message>
    <message>
        <source>Activer la méthode</source>
        <translation>Activate the method</translation>
    </message>
    <message>
        <source>Graph des écarts</source>
        <translation>Gap chart</translation>
    </message>
    <message>
        <source>Page précédente</source>
        <translation>Previous page</translation>
    </message>
    <message>
        <source>%1 / 2</source>
        <translation>%1 / 2</translation>
    </message>
    <message>
        <source>Page suivante</source>
        <translation>Next page</translation>
    </message>
    <message>
        <source>Aucune méthode en mode Quick.</source>
        <translation>No method in Quick mode.</translation>
    </message>
</context>
<context>
    <name>RestoreSessionDialog</name>
    <message>
        <source>Session interrompue</source>
        <translation>Interrupted session</translation>
    </message>
    <message>
        <source>Restaurer</source>
        <translation>Restore</translation>
    </message>
    <message>
        <source>Nouvelle session</source>
        <translation>New session</translation>
    </message>
    <message numerus="yes">
        <source>La session précédente s&apos;est terminée sans être fermée : %n résultat(s), le dernier le %1.</source>
        <translation>
            <numerusform>The previous session ended without being closed: %n result, the last one on %1.</numerusform>
            <numerusform>The previous session ended without being closed: %n results, the last one on %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>Restaurer rejoue ces résultats dans le moteur. Nouvelle session les abandonne.</source>
        <translation>Restore replays these results in the engine. New session drops them.</translation>
    </message>
</context>
<context>
    <name>RiskPanel</name>
    <message>
        <source>Risque de la montante</source>
        <translation>Risk of the progression</translation>
    </message>
    <message>
        <source>%1, jeton de la mise actuelle, tout perdu de suite</source>
        <translation>%1, at the current chip, every coup lost in a row</translation>
    </message>
    <message>
        <source>Aucune montante pour ce type de mise</source>
        <translation>No progression for this kind of bet</translation>
    </message>
    <message>
        <source>Palier</source>
        <translation>Step</translation>
    </message>
    <message>
        <source>Mise</source>
        <translation>Stake</translation>
    </message>
    <message>
        <source>Perte cumulée</source>
        <translation>Total lost</translation>
    </message>
    <message>
        <source>Estimer le risque (%1 sessions de %2 coups)</source>
        <translation>Estimate the risk (%1 sessions of %2 coups)</translation>
    </message>
    <message>
        <source>Annuler</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Limite de perte avant la limite de gain : %1 (IC 95&#xa0;% : %2 – %3)</source>
        <translation>Loss limit before the gain limit: %1 (95&#xa0;% CI: %2 – %3)</translation>
    </message>
    <message>
        <source>Limite de gain : %1 (IC 95&#xa0;% : %2 – %3) · autre arrêt : %4 · fin des coups : %5</source>
        <translation>Gain limit: %1 (95&#xa0;% CI: %2 – %3) · other stop: %4 · out of coups: %5</translation>
    </message>
    <message>
        <source>Résultat moyen %1 en %2 coups ; 5 % des sessions sous %3, médiane %4, 95 % sous %5</source>
        <translation>Mean result %1 in %2 coups; 5 % of the sessions below %3, median %4, 95 % below %5</translation>
    </message>
    <message>
        <source>Estimation interrompue : %1 sessions jouées</source>
        <translation>Estimate stopped: %1 sessions played</translation>
    </message>
</context>
<context>
    <name>RoutesView</name>
    <message>
        <source>Sabot %1</source>
        <translation>Shoe %1</translation>
    </message>
    <message numerus="yes">
        <source>%n coup(s)</source>
        <translation>
            <numerusform>%n coup</numerusform>
            <numerusform>%n coups</numerusform>
        </translation>
    </message>
    <message>
        <source>aucun coup</source>
        <translation>no coup yet</translation>
    </message>
    <message>
        <source>Perles : chaque coup dans l&apos;ordre, de haut en bas</source>
        <translation>Bead plate: every coup in order, top to bottom</translation>
    </message>
    <message>
        <source>Grande route : une colonne par série, les TIE barrés en vert</source>
        <translation>Big road: one column per run, TIEs as a green slash</translation>
    </message>
    <message>
        <source>Big Eye Boy : rouge quand la grande route se répète, bleu quand elle rompt</source>
        <translation>Big eye boy: red when the big road repeats itself, blue when it breaks</translation>
    </message>
    <message>
        <source>Small Road : compare deux colonnes plus loin</source>
        <translation>Small road: compares two columns back</translation>
    </message>
    <message>
        <source>Cockroach Pig : compare trois colonnes plus loin</source>
        <translation>Cockroach pig: compares three columns back</translation>
    </message>
    <message>
        <source>Nouveau sabot</source>
        <translation>New shoe</translation>
    </message>
    <message>
        <source>Commencer des routes neuves : l&apos;historique et les méthodes continuent</source>
        <translation>Start fresh roads: the history and the methods go on</translation>
    </message>
</context>
<context>
    <name>SessionsPage</name>
    <message>
        <source>Sessions</source>
        <translation>Sessions</translation>
    </message>
    <message>
        <source>Aujourd&apos;hui</source>
        <translation>Today</translation>
    </message>
    <message>
        <source>7 derniers jours</source>
        <translation>Last 7 days</translation>
    </message>
    <message>
        <source>30 derniers jours</source>
        <translation>Last 30 days</translation>
    </message>
    <message>
        <source>Cette année</source>
        <translation>This year</translation>
    </message>
    <message>
        <source>Tout</source>
        <translation>All</translation>
    </message>
    <message>
        <source>Exporter la période (CSV)</source>
        <translation>Export the period (CSV)</translation>
    </message>
    <message>
        <source>Sessions : %1</source>
        <translation>Sessions: %1</translation>
    </message>
    <message>
        <source>Coups : %1</source>
        <translation>Coups: %1</translation>
    </message>
    <message>
        <source>%1 coups</source>
        <translation>%1 coups</translation>
    </message>
    <message>
        <source>max %1</source>
        <translation>max %1</translation>
    </message>
    <message>
        <source>Aucune session dans cette période. Choisissez une autre période : chaque session jouée s&apos;ajoute ici, coup par coup.</source>
        <translation>No session in this period. Choose another period: every session played is added here, coup by coup.</translation>
    </message>
    <message>
        <source>Aucune session archivée pour l&apos;instant : chaque session jouée s&apos;ajoute ici, coup par coup.</source>
        <translation>No session archived yet: every session played is added here, coup by coup.</translation>
    </message>
    <message>
        <source>Exporter la session (CSV)</source>
        <translation>Export the session (CSV)</translation>
    </message>
    <message>
        <source>Exporter la permanence (pour noxsim)</source>
        <translation>Export the history (for noxsim)</translation>
    </message>
    <message>
        <source>Supprimer la session</source>
        <translation>Delete the session</translation>
    </message>
    <message>
        <source>Supprimer la session ?</source>
        <translation>Delete the session?</translation>
    </message>
    <message>
        <source>Supprimer</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Annuler</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>%1 et ses coups seront effacés de l&apos;archive. Cela ne peut pas être annulé.</source>
        <translation>%1 and its coups will be erased from the archive. This cannot be undone.</translation>
    </message>
    <message>
        <source>Exporter la permanence</source>
        <translation>Export the history</translation>
    </message>
    <message>
        <source>Exporter en CSV</source>
        <translation>Export as CSV</translation>
    </message>
    <message>
        <source>Permanences (*.txt)</source>
        <translation>Histories (*.txt)</translation>
    </message>
    <message>
        <source>Tableaux CSV (*.csv)</source>
        <translation>CSV tables (*.csv)</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>Paramètres</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>Gestion Financière</source>
        <translation>Money management</translation>
    </message>
    <message>
        <source>Filtres de méthode</source>
        <translation>Method filters</translation>
    </message>
    <message>
        <source>Calibration</source>
        <translation>Calibration</translation>
    </message>
    <message>
        <source>Notifications et signaux</source>
        <translation>Notifications and signals</translation>
    </message>
    <message>
        <source>Permanences</source>
        <translation>History</translation>
    </message>
    <message>
        <source>Egalité</source>
        <translation>Tie</translation>
    </message>
    <message>
        <source>Autres</source>
        <translation>Other</translation>
    </message>
    <message>
        <source>Developer</source>
        <translation>Developer</translation>
    </message>
    <message>
        <source>Filtre détaillé</source>
        <translation>Detailed filter</translation>
    </message>
    <message>
        <source>Sessions archivées</source>
        <translation>Archived sessions</translation>
    </message>
</context>
<context>
    <name>SplitMethodsView</name>
    <message>
        <source>Vue partagée</source>
        <translation>Split view</translation>
    </message>
    <message>
        <source>Choisir les méthodes</source>
        <translation>Choose the methods</translation>
    </message>
    <message>
        <source>Fermer la vue partagée</source>
        <translation>Close the split view</translation>
    </message>
    <message>
        <source>Aucune méthode dans la vue partagée. Choisissez-les dans le filtre détaillé.</source>
        <translation>No method in the split view. Choose them in the detailed filter.</translation>
    </message>
</context>
<context>
    <name>StepMoveEditor</name>
    <message>
        <source>Recommancer au début</source>
        <translation type="vanished">Restart from the beginning</translation>
    </message>
    <message>
        <source>Reculer de n palliers</source>
        <translation type="vanished">Back n steps</translation>
    </message>
    <message>
        <source>Avancer de n palliers</source>
        <translation type="vanished">Forward n steps</translation>
    </message>
    <message>
        <source>Recommencer au début</source>
        <translation>Restart from the beginning</translation>
    </message>
    <message>
        <source>Reculer de n paliers</source>
        <translation>Back n steps</translation>
    </message>
    <message>
        <source>Avancer de n paliers</source>
        <translation>Forward n steps</translation>
    </message>
</context>
<context>
    <name>TieConfig</name>
    <message>
        <source>Jouer l&apos;égalité</source>
        <translation>Play the tie</translation>
    </message>
    <message>
        <source>Gains</source>
        <translation>Wins</translation>
    </message>
    <message>
        <source>Ecart</source>
        <translation>Gap</translation>
    </message>
    <message>
        <source>Ecart max</source>
        <translation>Max gap</translation>
    </message>
    <message>
        <source>Ecart moyen + 1</source>
        <translation>Mean gap + 1</translation>
    </message>
    <message>
        <source>Ecart précédent</source>
        <translation>Previous gap</translation>
    </message>
    <message>
        <source>Résultats</source>
        <translation>Results</translation>
    </message>
    <message>
        <source>Jeton actuel</source>
        <translation>Current chip</translation>
    </message>
    <message>
        <source>Jeton de départ</source>
        <translation>Starting chip</translation>
    </message>
    <message>
        <source>Montante</source>
        <translation>Progression</translation>
    </message>
</context>
<context>
    <name>UIHistoryImport</name>
    <message>
        <source>Impossible de lire le fichier %1 : %2</source>
        <translation>Cannot read the file %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>Import arrêté : %n résultats ajoutés.</source>
        <translation>
            <numerusform>Import stopped: %n result added.</numerusform>
            <numerusform>Import stopped: %n results added.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n résultats ajoutés.</source>
        <translation>
            <numerusform>%n result added.</numerusform>
            <numerusform>%n results added.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n lignes corrigées (espaces, minuscules).</source>
        <translation>
            <numerusform>%n line corrected (spaces, lower case).</numerusform>
            <numerusform>%n lines corrected (spaces, lower case).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n lignes illisibles ignorées (n° %1).</source>
        <translation>
            <numerusform>%n unreadable line skipped (no. %1).</numerusform>
            <numerusform>%n unreadable lines skipped (no. %1).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n résultats non ajoutés : la permanence est limitée à %1 résultats. Coupez-la avec « Couper la permanence » ou commencez une nouvelle session, puis importez la suite.</source>
        <translation>
            <numerusform>%n result not added: the history holds at most %1 results. Shorten it with “Cut the history” or start a new session, then import the rest.</numerusform>
            <numerusform>%n results not added: the history holds at most %1 results. Shorten it with “Cut the history” or start a new session, then import the rest.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n résultats refusés par le moteur (limite du capital).</source>
        <translation>
            <numerusform>%n result refused by the engine (capital limit).</numerusform>
            <numerusform>%n results refused by the engine (capital limit).</numerusform>
        </translation>
    </message>
    <message>
        <source>Texte trop long : %1 caractères sur %2 ont été collés, le reste est refusé. Pour une longue permanence, utilisez « Importer un fichier ».</source>
        <translation>Text too long: %1 of %2 characters were pasted, the rest is refused. For a long history, use “Import a file”.</translation>
    </message>
    <message numerus="yes">
        <source>Lecture du fichier interrompue après %n lignes : %1.</source>
        <translation>
            <numerusform>Reading of the file stopped after %n line: %1.</numerusform>
            <numerusform>Reading of the file stopped after %n lines: %1.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>UIRiskEstimate</name>
    <message>
        <source>Palier %1 : mise de %2, au-dessus de la limite de la table (%3)</source>
        <translation>Step %1: stake of %2, above the table limit (%3)</translation>
    </message>
    <message>
        <source>Palier %1 : mise de %2, au-dessus de la mise maximale (%3)</source>
        <translation>Step %1: stake of %2, above the largest stake (%3)</translation>
    </message>
    <message>
        <source>Dès la première perte : %1 perdus, au-delà de la limite de perte (%2)</source>
        <translation>From the first loss: %1 lost, past the loss limit (%2)</translation>
    </message>
    <message>
        <source>Après %1 pertes de suite : %2 perdus, au-delà de la limite de perte (%3)</source>
        <translation>After %1 losses in a row: %2 lost, past the loss limit (%3)</translation>
    </message>
    <message>
        <source>Palier %1 : mise de %2, plus que le reste du capital (%3 sur %4)</source>
        <translation>Step %1: stake of %2, more than the capital left (%3 of %4)</translation>
    </message>
    <message>
        <source>Aucun moteur</source>
        <translation>No engine</translation>
    </message>
    <message>
        <source>Les méthodes perso ne sont pas estimées : activez une méthode du catalogue.</source>
        <translation>Custom methods are not estimated: activate a method of the catalogue.</translation>
    </message>
    <message>
        <source>Aucune méthode active : activez les méthodes qui misent pour estimer leur risque.</source>
        <translation>No active method: activate the methods that stake to estimate their risk.</translation>
    </message>
    <message>
        <source>Les montantes perso ne peuvent être préparées pour l&apos;estimation : %1</source>
        <translation>The custom progressions cannot be prepared for the estimate: %1</translation>
    </message>
</context>
<context>
    <name>UISessionArchive</name>
    <message>
        <source>Export terminé.</source>
        <translation>Export finished.</translation>
    </message>
    <message>
        <source>Export impossible : %1</source>
        <translation>Export failed: %1</translation>
    </message>
    <message>
        <source>Session %1 du %2</source>
        <translation>Session %1 of %2</translation>
    </message>
    <message>
        <source>Capital de départ %1 · %2 coups joués sur %3</source>
        <translation>Starting capital %1 · %2 coups staked of %3</translation>
    </message>
    <message>
        <source>limite de gain</source>
        <translation>gain limit</translation>
    </message>
    <message>
        <source>limite de perte</source>
        <translation>loss limit</translation>
    </message>
    <message>
        <source>Atteint : %1</source>
        <translation>Reached: %1</translation>
    </message>
    <message>
        <source>Méthodes : %1</source>
        <translation>Methods: %1</translation>
    </message>
    <message>
        <source>Montantes : %1</source>
        <translation>Progressions: %1</translation>
    </message>
    <message>
        <source>Cette session ne peut pas être supprimée.</source>
        <translation>This session cannot be deleted.</translation>
    </message>
    <message>
        <source>Session %1 supprimée.</source>
        <translation>Session %1 deleted.</translation>
    </message>
    <message>
        <source>Un export est déjà en cours.</source>
        <translation>An export is already running.</translation>
    </message>
    <message>
        <source>Aucune session archivée.</source>
        <translation>No archived session.</translation>
    </message>
    <message>
        <source>Aucune session à exporter.</source>
        <translation>No session to export.</translation>
    </message>
    <message>
        <source>Export en cours…</source>
        <translation>Exporting…</translation>
    </message>
</context>
<context>
    <name>UISessionListModel</name>
    <message>
        <source>%1 min</source>
        <translation>%1 min</translation>
    </message>
    <message>
        <source>%1 h %2</source>
        <translation>%1 h %2</translation>
    </message>
    <message>
        <source>%1 / h</source>
        <translation>%1 / h</translation>
    </message>
</context>
<context>
    <name>UIWrapper</name>
    <message>
        <source>Session Wayland : les clics de la mise automatique n&apos;atteignent que les programmes lancés sous XWayland, pas un navigateur lancé en Wayland. Ouvrez une session X11, ou lancez le navigateur sous XWayland (Firefox : MOZ_ENABLE_WAYLAND=0, Chrome : --ozone-platform=x11), puis confirmez-le dans Paramètres, Calibration.</source>
        <translation>Wayland session: the clicks of automatic betting reach only programs running under XWayland, not a browser running on Wayland. Log in to an X11 session, or start the browser under XWayland (Firefox: MOZ_ENABLE_WAYLAND=0, Chrome: --ozone-platform=x11), then confirm it in Settings, Calibration.</translation>
    </message>
    <message>
        <source>La mise automatique n&apos;est pas disponible : la souris ne peut pas être commandée.</source>
        <translation>Automatic betting is not available: the mouse cannot be controlled.</translation>
    </message>
    <message>
        <source>Le profil n&apos;a pas pu être chargé : %1.</source>
        <translation>The profile could not be loaded: %1.</translation>
    </message>
    <message>
        <source>Le profil n&apos;a pas pu être enregistré : %1.</source>
        <translation>The profile could not be saved: %1.</translation>
    </message>
    <message>
        <source>Le fichier de méthodes n&apos;a pas pu être lu.</source>
        <translation>The methods file could not be read.</translation>
    </message>
    <message>
        <source>Méthodes importées : %1. Lignes refusées : 0.</source>
        <translation>Methods imported: %1. Lines refused: 0.</translation>
    </message>
    <message>
        <source>ligne %1</source>
        <translation>line %1</translation>
    </message>
    <message>
        <source>lignes %1</source>
        <translation>lines %1</translation>
    </message>
    <message>
        <source>%1 et suivantes</source>
        <translation>%1 and following</translation>
    </message>
    <message>
        <source>Méthodes importées : %1. Lignes refusées : %2 (%3).</source>
        <translation>Methods imported: %1. Lines refused: %2 (%3).</translation>
    </message>
    <message>
        <source>Les montantes n&apos;ont pas pu être enregistrées : %1.</source>
        <translation>The progressions could not be saved: %1.</translation>
    </message>
    <message>
        <source>Les montantes n&apos;ont pas pu être importées : %1.</source>
        <translation>The progressions could not be imported: %1.</translation>
    </message>
    <message>
        <source>Montantes importées : %1.</source>
        <translation>Progressions imported: %1.</translation>
    </message>
</context>
<context>
    <name>UserMontantePage</name>
    <message>
        <source>Montante perso</source>
        <translation>Custom progression</translation>
    </message>
    <message>
        <source>Nouvelle montante</source>
        <translation>New progression</translation>
    </message>
    <message>
        <source>Importer des méthodes</source>
        <translation>Import methods</translation>
    </message>
    <message>
        <source>Nom</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Paliers</source>
        <translation>Steps</translation>
    </message>
    <message>
        <source>En cas de gain</source>
        <translation>After a win</translation>
    </message>
    <message>
        <source>En cas de perte</source>
        <translation>After a loss</translation>
    </message>
    <message>
        <source>Mode récup</source>
        <translation>Recovery mode</translation>
    </message>
    <message>
        <source>Division déficit </source>
        <translation>Deficit division </translation>
    </message>
    <message>
        <source>Nombre tours</source>
        <translation>Number of rounds</translation>
    </message>
    <message>
        <source>Recalcul déficit</source>
        <translation>Recompute deficit</translation>
    </message>
    <message>
        <source>Nombre gains</source>
        <translation>Number of wins</translation>
    </message>
    <message>
        <source>Supprimer</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Enregistrer</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Method files (*.txt)</source>
        <translation>Method files (*.txt)</translation>
    </message>
    <message>
        <source>Importer des montantes</source>
        <translation>Import progressions</translation>
    </message>
    <message>
        <source>Progression files (*.dat)</source>
        <translation>Progression files (*.dat)</translation>
    </message>
    <message>
        <source>(%1 – %2, séparés par des virgules)</source>
        <translation>(%1 – %2, separated by commas)</translation>
    </message>
</context>
<context>
    <name>WaylandNotice</name>
    <message>
        <source>Session Wayland : les clics n&apos;atteignent peut-être pas la table</source>
        <translation>Wayland session: the clicks may not reach the table</translation>
    </message>
    <message>
        <source>La mise automatique et la calibration cliquent par X11 : seuls les programmes lancés sous XWayland reçoivent ces clics. Un navigateur lancé en Wayland, ce que font par défaut les navigateurs récents, ne les reçoit pas. Ouvrez une session X11, ou lancez le navigateur sous XWayland (Firefox : MOZ_ENABLE_WAYLAND=0 firefox, Chrome : --ozone-platform=x11). La confirmation ci-dessous vaut jusqu&apos;à la fermeture du programme.</source>
        <translation>Automatic betting and calibration click through X11: only programs running under XWayland receive these clicks. A browser running on Wayland, as recent browsers do by default, does not. Log in to an X11 session, or start the browser under XWayland (Firefox: MOZ_ENABLE_WAYLAND=0 firefox, Chrome: --ozone-platform=x11). The confirmation below holds until the program quits.</translation>
    </message>
    <message>
        <source>La table tourne sous XWayland</source>
        <translation>The table runs under XWayland</translation>
    </message>
</context>
</TS>
