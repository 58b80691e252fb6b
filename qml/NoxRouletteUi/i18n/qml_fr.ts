<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="fr">
<context>
    <name>AppPage</name>
    <message>
        <source>Quitter</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Retour</source>
        <translation>Retour</translation>
    </message>
    <message>
        <source>Réduire</source>
        <translation>Réduire</translation>
    </message>
    <message>
        <source>Fermer</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>AskButton</name>
    <message>
        <source>B ?</source>
        <translation>B ?</translation>
    </message>
    <message>
        <source>P ?</source>
        <translation>P ?</translation>
    </message>
    <message>
        <source>Ce qu&apos;un BANKER ajouterait aux routes (sans le jouer)</source>
        <translation>Ce qu&apos;un BANKER ajouterait aux routes (sans le jouer)</translation>
    </message>
    <message>
        <source>Ce qu&apos;un PLAYER ajouterait aux routes (sans le jouer)</source>
        <translation>Ce qu&apos;un PLAYER ajouterait aux routes (sans le jouer)</translation>
    </message>
</context>
<context>
    <name>BetButton</name>
    <message>
        <source>Miser</source>
        <translation>Miser</translation>
    </message>
    <message>
        <source>Placer les mises sur la table du casino</source>
        <translation>Placer les mises sur la table du casino</translation>
    </message>
    <message>
        <source>ATTENTION! POUR ARRETER LA MISE AUTO, APPUYEZ SUR %1</source>
        <translation>ATTENTION! POUR ARRETER LA MISE AUTO, APPUYEZ SUR %1</translation>
    </message>
    <message>
        <source>Session Wayland : les clics n&apos;atteignent pas un navigateur lancé en Wayland. Voir Paramètres, Calibration.</source>
        <translation>Session Wayland : les clics n&apos;atteignent pas un navigateur lancé en Wayland. Voir Paramètres, Calibration.</translation>
    </message>
    <message>
        <source>SESSION WAYLAND : LES CLICS N&apos;ATTEIGNENT PAS LA TABLE</source>
        <translation>SESSION WAYLAND : LES CLICS N&apos;ATTEIGNENT PAS LA TABLE</translation>
    </message>
</context>
<context>
    <name>BetPreviewDialog</name>
    <message>
        <source>Aperçu de la mise</source>
        <translation>Aperçu de la mise</translation>
    </message>
    <message>
        <source>Fermer</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Jeton %1</source>
        <translation>Jeton %1</translation>
    </message>
    <message>
        <source>Doubler</source>
        <translation>Doubler</translation>
    </message>
    <message>
        <source>Les mises sont suspendues : aucun clic.</source>
        <translation>Les mises sont suspendues : aucun clic.</translation>
    </message>
    <message>
        <source>Aucune mise possible.</source>
        <translation>Aucune mise possible.</translation>
    </message>
    <message>
        <source>Aucune mise proposée pour le prochain coup.</source>
        <translation>Aucune mise proposée pour le prochain coup.</translation>
    </message>
    <message>
        <source>%1 clics, %2 misés</source>
        <translation>%1 clics, %2 misés</translation>
    </message>
    <message>
        <source>Prendre %1 (%2)</source>
        <translation>Prendre %1 (%2)</translation>
    </message>
    <message>
        <source>Poser %1 sur %2</source>
        <translation>Poser %1 sur %2</translation>
    </message>
    <message>
        <source>Cliquer %1</source>
        <translation>Cliquer %1</translation>
    </message>
</context>
<context>
    <name>BigRoadStrip</name>
    <message>
        <source>Grande route du sabot en cours</source>
        <translation>Grande route du sabot en cours</translation>
    </message>
    <message numerus="yes">
        <source>%n TIE avant le premier résultat</source>
        <translation>
            <numerusform>%n TIE avant le premier résultat</numerusform>
            <numerusform>%n TIE avant le premier résultat</numerusform>
        </translation>
    </message>
    <message>
        <source>Sabot %1 : aucun coup</source>
        <translation>Sabot %1 : aucun coup</translation>
    </message>
</context>
<context>
    <name>CalibrationConfig</name>
    <message>
        <source>Cliquez au centre du jeton 1</source>
        <translation>Cliquez au centre du jeton 1</translation>
    </message>
    <message>
        <source>Cliquez au centre du jeton 2</source>
        <translation>Cliquez au centre du jeton 2</translation>
    </message>
    <message>
        <source>Cliquez au centre du jeton 3</source>
        <translation>Cliquez au centre du jeton 3</translation>
    </message>
    <message>
        <source>Cliquez au centre du jeton 4</source>
        <translation>Cliquez au centre du jeton 4</translation>
    </message>
    <message>
        <source>Cliquez au centre du jeton 5</source>
        <translation>Cliquez au centre du jeton 5</translation>
    </message>
    <message>
        <source>Cliquez au centre du jeton 6</source>
        <translation>Cliquez au centre du jeton 6</translation>
    </message>
    <message>
        <source>Cliquez au centre du jeton 7</source>
        <translation>Cliquez au centre du jeton 7</translation>
    </message>
    <message>
        <source>Cliquez au centre du jeton 8</source>
        <translation>Cliquez au centre du jeton 8</translation>
    </message>
    <message>
        <source>Calibration des jetons</source>
        <translation>Calibration des jetons</translation>
    </message>
    <message>
        <source>Calibration des numéros</source>
        <translation>Calibration des numéros</translation>
    </message>
    <message>
        <source>Cliquez au centre de &apos;PLAYER&apos; sur le tapis</source>
        <translation>Cliquez au centre de &apos;PLAYER&apos; sur le tapis</translation>
    </message>
    <message>
        <source>Cliquez au centre de &apos;BANKER&apos; le tapis</source>
        <translation type="vanished">Cliquez au centre de &apos;BANKER&apos; le tapis</translation>
    </message>
    <message>
        <source>Cliquez au centre de &apos;TIE&apos; sur le tapis</source>
        <translation>Cliquez au centre de &apos;TIE&apos; sur le tapis</translation>
    </message>
    <message>
        <source>Calibration autres</source>
        <translation>Calibration autres</translation>
    </message>
    <message>
        <source>Cliquez au centre du bouton doubler</source>
        <translation>Cliquez au centre du bouton doubler</translation>
    </message>
    <message>
        <source>non calibré</source>
        <translation>non calibré</translation>
    </message>
    <message>
        <source>Jeton %1</source>
        <translation>Jeton %1</translation>
    </message>
    <message>
        <source>Calibrage Jetons</source>
        <translation>Calibrage Jetons</translation>
    </message>
    <message>
        <source>Calibrage Numéros</source>
        <translation>Calibrage Numéros</translation>
    </message>
    <message>
        <source>Calibrage du bouton &apos;Doubler&apos;</source>
        <translation>Calibrage du bouton &apos;Doubler&apos;</translation>
    </message>
    <message>
        <source>Doubler</source>
        <translation>Doubler</translation>
    </message>
    <message>
        <source>Spécial Authentic</source>
        <translation>Spécial Authentic</translation>
    </message>
    <message>
        <source>Spécial Evolution</source>
        <translation>Spécial Evolution</translation>
    </message>
    <message>
        <source>Délai de clic (sec)</source>
        <translation>Délai de clic (sec)</translation>
    </message>
    <message>
        <source>Aperçu de la mise</source>
        <translation>Aperçu de la mise</translation>
    </message>
    <message>
        <source>Cliquez au centre de &apos;BANKER&apos; sur le tapis</source>
        <translation>Cliquez au centre de &apos;BANKER&apos; sur le tapis</translation>
    </message>
</context>
<context>
    <name>CalibrationDialog</name>
    <message>
        <source>Terminé</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>Étape %1 / %2</source>
        <translation>Étape %1 / %2</translation>
    </message>
    <message>
        <source>NB: lorsque vous cliquez sur le tapis pour calibrer, faites-le quand il n&apos;est plus possible de miser afin d&apos;éviter de poser inutilement des jetons</source>
        <translation>NB: lorsque vous cliquez sur le tapis pour calibrer, faites-le quand il n&apos;est plus possible de miser afin d&apos;éviter de poser inutilement des jetons</translation>
    </message>
    <message>
        <source>Annuler</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Valider</source>
        <translation>Valider</translation>
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
        <translation>Valider</translation>
    </message>
    <message>
        <source>Annuler</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Capital de départ</source>
        <translation>Capital de départ</translation>
    </message>
    <message>
        <source>Limite de gain</source>
        <translation>Limite de gain</translation>
    </message>
    <message>
        <source>Limite de perte</source>
        <translation>Limite de perte</translation>
    </message>
</context>
<context>
    <name>Dashboard</name>
    <message>
        <source>Aucune montante</source>
        <translation>Aucune montante</translation>
    </message>
    <message>
        <source>Mise</source>
        <translation>Mise</translation>
    </message>
    <message>
        <source>Profit</source>
        <translation>Profit</translation>
    </message>
    <message>
        <source>Jeton %1</source>
        <translation type="vanished">Jeton %1</translation>
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
        <translation>Première mise %1</translation>
    </message>
</context>
<context>
    <name>DeveloperForm</name>
    <message>
        <source>Page courante : %1</source>
        <translation>Page courante : %1</translation>
    </message>
    <message>
        <source>Pages : %1</source>
        <translation>Pages : %1</translation>
    </message>
    <message>
        <source>Popups ouverts : %1</source>
        <translation>Popups ouverts : %1</translation>
    </message>
</context>
<context>
    <name>ErrorDialog</name>
    <message>
        <source>Erreur</source>
        <translation>Erreur</translation>
    </message>
</context>
<context>
    <name>FinancialConfig</name>
    <message>
        <source>Montante</source>
        <translation>Montante</translation>
    </message>
    <message>
        <source>Jeton actuel</source>
        <translation>Jeton actuel</translation>
    </message>
    <message>
        <source>Jeton de départ</source>
        <translation>Jeton de départ</translation>
    </message>
    <message>
        <source>Montantes perso</source>
        <translation>Montantes perso</translation>
    </message>
    <message>
        <source>Redémarrer</source>
        <translation>Redémarrer</translation>
    </message>
    <message>
        <source>Nouvelle partie</source>
        <translation>Nouvelle partie</translation>
    </message>
    <message>
        <source>Arrêts de session</source>
        <translation>Arrêts de session</translation>
    </message>
    <message>
        <source>Arrêt à la limite de perte</source>
        <translation>Arrêt à la limite de perte</translation>
    </message>
    <message>
        <source>Arrêt à la limite de gain</source>
        <translation>Arrêt à la limite de gain</translation>
    </message>
    <message>
        <source>Désactivées, les limites de perte et de gain ne font qu&apos;avertir.</source>
        <translation>Désactivées, les limites de perte et de gain ne font qu&apos;avertir.</translation>
    </message>
    <message>
        <source>Pertes de suite</source>
        <translation>Pertes de suite</translation>
    </message>
    <message>
        <source>Coups misés</source>
        <translation>Coups misés</translation>
    </message>
    <message>
        <source>Durée (minutes)</source>
        <translation>Durée (minutes)</translation>
    </message>
    <message>
        <source>Stop suiveur : déclenchement</source>
        <translation>Stop suiveur : déclenchement</translation>
    </message>
    <message>
        <source>Stop suiveur : recul</source>
        <translation>Stop suiveur : recul</translation>
    </message>
    <message>
        <source>Armé quand le gain de la session atteint le déclenchement, il arrête après un recul de ce montant depuis le plus haut.</source>
        <translation>Armé quand le gain de la session atteint le déclenchement, il arrête après un recul de ce montant depuis le plus haut.</translation>
    </message>
    <message>
        <source>Mise maximale par coup</source>
        <translation>Mise maximale par coup</translation>
    </message>
    <message>
        <source>Au-delà de la mise maximale</source>
        <translation>Au-delà de la mise maximale</translation>
    </message>
    <message>
        <source>Plafonner</source>
        <translation>Plafonner</translation>
    </message>
    <message>
        <source>Refuser</source>
        <translation>Refuser</translation>
    </message>
    <message>
        <source>Limites de la table</source>
        <translation>Limites de la table</translation>
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
        <translation>Une règle atteinte suspend les mises jusqu&apos;à « Reprendre ». 0&#xa0;=&#xa0;désactivé.</translation>
    </message>
    <message>
        <source>Une mise au-dessus de la limite n&apos;est pas placée. 0&#xa0;=&#xa0;aucune limite.</source>
        <translation>Une mise au-dessus de la limite n&apos;est pas placée. 0&#xa0;=&#xa0;aucune limite.</translation>
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
        <translation>Hors limite</translation>
    </message>
    <message>
        <source>Refusée</source>
        <translation>Refusée</translation>
    </message>
    <message>
        <source>Plafonnée</source>
        <translation>Plafonnée</translation>
    </message>
    <message>
        <source>Au-dessus de la limite de la table : cette mise n&apos;est pas placée.</source>
        <translation>Au-dessus de la limite de la table : cette mise n&apos;est pas placée.</translation>
    </message>
    <message>
        <source>Le coup dépasse la mise maximale : cette mise n&apos;est pas placée.</source>
        <translation>Le coup dépasse la mise maximale : cette mise n&apos;est pas placée.</translation>
    </message>
    <message>
        <source>Abaissée pour que le coup reste dans la mise maximale.</source>
        <translation>Abaissée pour que le coup reste dans la mise maximale.</translation>
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
        <translation>Fichiers endommagés</translation>
    </message>
</context>
<context>
    <name>MethodBlockDomConfig</name>
    <message>
        <source>Définition des blocs dominants</source>
        <translation>Définition des blocs dominants</translation>
    </message>
    <message>
        <source>Blocs dominants</source>
        <translation>Blocs dominants</translation>
    </message>
</context>
<context>
    <name>MethodBlocksConfig</name>
    <message>
        <source>Définition des blocs</source>
        <translation>Définition des blocs</translation>
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
        <translation>Graph des écarts</translation>
    </message>
    <message>
        <source>Fermer</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Pas encore d&apos;écart pour cette méthode.</source>
        <translation>Pas encore d&apos;écart pour cette méthode.</translation>
    </message>
    <message>
        <source>Ecart moyen %1 · Ratio %2 · Bloc %3–%4</source>
        <translation>Ecart moyen %1 · Ratio %2 · Bloc %3–%4</translation>
    </message>
    <message>
        <source>Détails</source>
        <translation>Détails</translation>
    </message>
    <message>
        <source>Profit de la méthode</source>
        <translation>Profit de la méthode</translation>
    </message>
    <message>
        <source>Ecarts récents</source>
        <translation>Ecarts récents</translation>
    </message>
    <message>
        <source>— bloc max %1</source>
        <translation>— bloc max %1</translation>
    </message>
    <message>
        <source>Pas encore de profit pour cette méthode.</source>
        <translation>Pas encore de profit pour cette méthode.</translation>
    </message>
</context>
<context>
    <name>MethodConfigPage</name>
    <message>
        <source>Toutes les méthodes</source>
        <translation>Toutes les méthodes</translation>
    </message>
    <message>
        <source>Restaurer par défaut</source>
        <translation>Restaurer par défaut</translation>
    </message>
    <message>
        <source>Appliquer à tous</source>
        <translation>Appliquer à tous</translation>
    </message>
</context>
<context>
    <name>MethodDetailsDialog</name>
    <message>
        <source>Détails de méthode</source>
        <translation>Détails de méthode</translation>
    </message>
    <message>
        <source>Fermer</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>oui</source>
        <translation>oui</translation>
    </message>
    <message>
        <source>non</source>
        <translation>non</translation>
    </message>
</context>
<context>
    <name>MethodEcartNotifConfig</name>
    <message>
        <source>Notification des grands écarts</source>
        <translation>Notification des grands écarts</translation>
    </message>
    <message>
        <source>Ecart minimum</source>
        <translation>Ecart minimum</translation>
    </message>
    <message>
        <source>moy. %1</source>
        <translation>moy. %1</translation>
    </message>
</context>
<context>
    <name>MethodParametersDialog</name>
    <message>
        <source>Paramètres</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>Valider</source>
        <translation>Valider</translation>
    </message>
    <message>
        <source>Annuler</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Cette méthode n&apos;a pas de paramètre.</source>
        <translation>Cette méthode n&apos;a pas de paramètre.</translation>
    </message>
</context>
<context>
    <name>MethodRow</name>
    <message>
        <source>Graph des écarts</source>
        <translation>Graph des écarts</translation>
    </message>
    <message>
        <source>Détails de méthode</source>
        <translation>Détails de méthode</translation>
    </message>
</context>
<context>
    <name>MethodVisibilityList</name>
    <message>
        <source>Toutes les méthodes</source>
        <translation>Toutes les méthodes</translation>
    </message>
    <message>
        <source>Méthode</source>
        <translation>Méthode</translation>
    </message>
    <message>
        <source>Partagée · Visible</source>
        <translation>Partagée · Visible</translation>
    </message>
</context>
<context>
    <name>MethodVisibilityPage</name>
    <message>
        <source>Filtre détaillé</source>
        <translation>Filtre détaillé</translation>
    </message>
    <message>
        <source>Pas de profil selectionné</source>
        <translation>Pas de profil selectionné</translation>
    </message>
    <message>
        <source>Charger un profil</source>
        <translation>Charger un profil</translation>
    </message>
    <message>
        <source>Enregistrer le profil</source>
        <translation>Enregistrer le profil</translation>
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
        <translation>Paramètres de la méthode</translation>
    </message>
    <message>
        <source>Vue partagée</source>
        <translation>Vue partagée</translation>
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
        <translation>Méthodes</translation>
    </message>
    <message>
        <source>Courbe des profits</source>
        <translation>Courbe des profits</translation>
    </message>
    <message>
        <source>Routes</source>
        <translation>Routes</translation>
    </message>
</context>
<context>
    <name>NotificationConfig</name>
    <message>
        <source>Notification des grands écarts</source>
        <translation>Notification des grands écarts</translation>
    </message>
    <message>
        <source>Définition des blocs</source>
        <translation>Définition des blocs</translation>
    </message>
    <message>
        <source>Définition des blocs dominants</source>
        <translation>Définition des blocs dominants</translation>
    </message>
    <message>
        <source>Sorties de blocs</source>
        <translation>Sorties de blocs</translation>
    </message>
    <message>
        <source>Retour tendance</source>
        <translation>Retour tendance</translation>
    </message>
    <message>
        <source>Ecart zéro</source>
        <translation>Ecart zéro</translation>
    </message>
    <message>
        <source>Blocs dominants confirmés</source>
        <translation>Blocs dominants confirmés</translation>
    </message>
    <message>
        <source>Ecart Max</source>
        <translation>Ecart Max</translation>
    </message>
    <message>
        <source>Détection AUTO</source>
        <translation>Détection AUTO</translation>
    </message>
    <message>
        <source>Compteur &apos;ME&apos; positif</source>
        <translation>Compteur &apos;ME&apos; positif</translation>
    </message>
    <message>
        <source>Quick mode intelligent</source>
        <translation>Quick mode intelligent</translation>
    </message>
    <message>
        <source>Quick mode méthode active isolée</source>
        <translation>Quick mode méthode active isolée</translation>
    </message>
    <message>
        <source>Jouer seulement dans les blocs dominants</source>
        <translation>Jouer seulement dans les blocs dominants</translation>
    </message>
</context>
<context>
    <name>NoxArchive</name>
    <message>
        <source>Archive des sessions indisponible</source>
        <translation>Archive des sessions indisponible</translation>
    </message>
    <message>
        <source>Le pilote SQLite de Qt manque : les sessions ne sont pas archivées.</source>
        <translation>Le pilote SQLite de Qt manque : les sessions ne sont pas archivées.</translation>
    </message>
    <message>
        <source>Archive des sessions endommagée</source>
        <translation>Archive des sessions endommagée</translation>
    </message>
    <message>
        <source>L&apos;archive des sessions ne pouvait pas être lue : elle est gardée sous %1 et une nouvelle archive commence.</source>
        <translation>L&apos;archive des sessions ne pouvait pas être lue : elle est gardée sous %1 et une nouvelle archive commence.</translation>
    </message>
    <message>
        <source>L&apos;archive %1 ne peut pas être ouverte (%2) : les sessions ne sont pas archivées, le jeu continue.</source>
        <translation>L&apos;archive %1 ne peut pas être ouverte (%2) : les sessions ne sont pas archivées, le jeu continue.</translation>
    </message>
    <message>
        <source>Archive des sessions</source>
        <translation>Archive des sessions</translation>
    </message>
    <message>
        <source>Un coup n&apos;a pas pu être écrit dans l&apos;archive des sessions (%1). Le jeu continue ; libérez de la place sur le disque.</source>
        <translation>Un coup n&apos;a pas pu être écrit dans l&apos;archive des sessions (%1). Le jeu continue ; libérez de la place sur le disque.</translation>
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
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Ouvrir</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Annuler</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Dossier parent</source>
        <translation>Dossier parent</translation>
    </message>
    <message>
        <source>Aucun fichier ici : %1</source>
        <translation>Aucun fichier ici : %1</translation>
    </message>
    <message>
        <source>Filtre : %1</source>
        <translation>Filtre : %1</translation>
    </message>
    <message>
        <source>Nom du fichier</source>
        <translation>Nom du fichier</translation>
    </message>
</context>
<context>
    <name>NoxGuards</name>
    <message>
        <source>Pertes de suite : entre 0 (désactivé) et %1.</source>
        <translation>Pertes de suite : entre 0 (désactivé) et %1.</translation>
    </message>
    <message>
        <source>Coups misés : entre 0 (désactivé) et %1.</source>
        <translation>Coups misés : entre 0 (désactivé) et %1.</translation>
    </message>
    <message>
        <source>Durée de session : entre 0 (désactivé) et %1 minutes.</source>
        <translation>Durée de session : entre 0 (désactivé) et %1 minutes.</translation>
    </message>
    <message>
        <source>Stop suiveur : des montants entre 0 et %1.</source>
        <translation>Stop suiveur : des montants entre 0 et %1.</translation>
    </message>
    <message>
        <source>Stop suiveur : choisissez le gain qui l&apos;arme.</source>
        <translation>Stop suiveur : choisissez le gain qui l&apos;arme.</translation>
    </message>
    <message>
        <source>Stop suiveur : choisissez le recul qui arrête.</source>
        <translation>Stop suiveur : choisissez le recul qui arrête.</translation>
    </message>
    <message>
        <source>Stop suiveur : le recul (%1) ne peut dépasser le gain qui l&apos;arme (%2).</source>
        <translation>Stop suiveur : le recul (%1) ne peut dépasser le gain qui l&apos;arme (%2).</translation>
    </message>
    <message>
        <source>Mise maximale : entre 0 (désactivé) et %1.</source>
        <translation>Mise maximale : entre 0 (désactivé) et %1.</translation>
    </message>
    <message>
        <source>Mise maximale : au moins le plus petit jeton (%1).</source>
        <translation>Mise maximale : au moins le plus petit jeton (%1).</translation>
    </message>
    <message>
        <source>Limites de la table : entre 0 (aucune) et %1.</source>
        <translation>Limites de la table : entre 0 (aucune) et %1.</translation>
    </message>
    <message>
        <source>Arrêt : limite de perte atteinte (%1, limite %2)</source>
        <translation>Arrêt : limite de perte atteinte (%1, limite %2)</translation>
    </message>
    <message>
        <source>Arrêt : limite de gain atteinte (%1, limite %2)</source>
        <translation>Arrêt : limite de gain atteinte (%1, limite %2)</translation>
    </message>
    <message>
        <source>Arrêt : stop suiveur, %1 depuis le plus haut de %2 (recul permis %3)</source>
        <translation>Arrêt : stop suiveur, %1 depuis le plus haut de %2 (recul permis %3)</translation>
    </message>
    <message>
        <source>Arrêt : %1 perte de suite (limite %2)</source>
        <translation>Arrêt : %1 perte de suite (limite %2)</translation>
    </message>
    <message>
        <source>Arrêt : %1 pertes de suite (limite %2)</source>
        <translation>Arrêt : %1 pertes de suite (limite %2)</translation>
    </message>
    <message>
        <source>Arrêt : %1 coup misé (limite %2)</source>
        <translation>Arrêt : %1 coup misé (limite %2)</translation>
    </message>
    <message>
        <source>Arrêt : %1 coups misés (limite %2)</source>
        <translation>Arrêt : %1 coups misés (limite %2)</translation>
    </message>
    <message>
        <source>Arrêt : %1 min de session (limite %2 min)</source>
        <translation>Arrêt : %1 min de session (limite %2 min)</translation>
    </message>
    <message>
        <source>Mise maximale : plafonner ou refuser, rien d&apos;autre.</source>
        <translation>Mise maximale : plafonner ou refuser, rien d&apos;autre.</translation>
    </message>
</context>
<context>
    <name>NoxMontanteLibrary</name>
    <message>
        <source>enregistrement incomplet à l&apos;octet %1</source>
        <translation>enregistrement incomplet à l&apos;octet %1</translation>
    </message>
    <message>
        <source>nombre de paliers impossible : %1</source>
        <translation>nombre de paliers impossible : %1</translation>
    </message>
    <message>
        <source>fichier vide</source>
        <translation>fichier vide</translation>
    </message>
    <message>
        <source>en-tête incomplet</source>
        <translation>en-tête incomplet</translation>
    </message>
    <message>
        <source>en-tête inconnu</source>
        <translation>en-tête inconnu</translation>
    </message>
    <message>
        <source>nombre de montantes absent</source>
        <translation>nombre de montantes absent</translation>
    </message>
    <message>
        <source>nombre de montantes impossible : %1</source>
        <translation>nombre de montantes impossible : %1</translation>
    </message>
    <message>
        <source>%1 octets inattendus après la dernière montante</source>
        <translation>%1 octets inattendus après la dernière montante</translation>
    </message>
    <message>
        <source>pas une bibliothèque de montantes, fichier trop grand</source>
        <translation>pas une bibliothèque de montantes, fichier trop grand</translation>
    </message>
</context>
<context>
    <name>NoxProfileFile</name>
    <message>
        <source>pas un fichier de profil, fichier trop grand</source>
        <translation>pas un fichier de profil, fichier trop grand</translation>
    </message>
    <message>
        <source>fichier de profil incomplet</source>
        <translation>fichier de profil incomplet</translation>
    </message>
    <message>
        <source>nombre de méthodes impossible dans le fichier de profil</source>
        <translation>nombre de méthodes impossible dans le fichier de profil</translation>
    </message>
    <message>
        <source>données inattendues à la fin du fichier de profil</source>
        <translation>données inattendues à la fin du fichier de profil</translation>
    </message>
</context>
<context>
    <name>NoxStartupReport</name>
    <message>
        <source>La bibliothèque de montantes n&apos;a pas pu être lue (%1) : les montantes intégrées sont utilisées.</source>
        <translation>La bibliothèque de montantes n&apos;a pas pu être lue (%1) : les montantes intégrées sont utilisées.</translation>
    </message>
    <message>
        <source>%1 est illisible : les réglages par défaut sont utilisés, le fichier est gardé sous %2.</source>
        <translation>%1 est illisible : les réglages par défaut sont utilisés, le fichier est gardé sous %2.</translation>
    </message>
</context>
<context>
    <name>OtherConfig</name>
    <message>
        <source>Langue</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>Rester au premier plan</source>
        <translation>Rester au premier plan</translation>
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
        <translation>Cette page arrive bientôt.</translation>
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
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>Effacer</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>Retirer le dernier résultat</source>
        <translation>Retirer le dernier résultat</translation>
    </message>
    <message>
        <source>Couper</source>
        <translation>Couper</translation>
    </message>
    <message>
        <source>Garder seulement les derniers résultats</source>
        <translation>Garder seulement les derniers résultats</translation>
    </message>
    <message>
        <source>Reprendre</source>
        <translation>Reprendre</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Annuler</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Remettre la montante au départ</source>
        <translation>Remettre la montante au départ</translation>
    </message>
    <message>
        <source>La mise n&apos;a pas pu être placée.</source>
        <translation>La mise n&apos;a pas pu être placée.</translation>
    </message>
    <message>
        <source>Mise interrompue</source>
        <translation>Mise interrompue</translation>
    </message>
    <message>
        <source> : les mises sont suspendues, « Reprendre » pour continuer.</source>
        <translation> : les mises sont suspendues, « Reprendre » pour continuer.</translation>
    </message>
</context>
<context>
    <name>PlayedStrip</name>
    <message>
        <source>Aucun résultat : entrez le premier coup sur le clavier.</source>
        <translation>Aucun résultat : entrez le premier coup sur le clavier.</translation>
    </message>
</context>
<context>
    <name>PlayedValuesConfig</name>
    <message>
        <source>Exporter</source>
        <translation>Exporter</translation>
    </message>
    <message>
        <source>Ajouter une permanence</source>
        <translation>Ajouter une permanence</translation>
    </message>
    <message>
        <source>Arrêter</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>Garder les derniers numéros</source>
        <translation type="vanished">Garder les derniers numéros</translation>
    </message>
    <message>
        <source>Couper la permanence</source>
        <translation>Couper la permanence</translation>
    </message>
    <message>
        <source>Taille d&apos;échantillon</source>
        <translation>Taille d&apos;échantillon</translation>
    </message>
    <message>
        <source>Valider</source>
        <translation>Valider</translation>
    </message>
    <message>
        <source>Annuler</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Un résultat par ligne : P, B ou T.</source>
        <translation>Un résultat par ligne : P, B ou T.</translation>
    </message>
    <message>
        <source>Lecture du fichier…</source>
        <translation>Lecture du fichier…</translation>
    </message>
    <message>
        <source>Ajout des résultats…</source>
        <translation>Ajout des résultats…</translation>
    </message>
    <message>
        <source>Garder les derniers résultats</source>
        <translation>Garder les derniers résultats</translation>
    </message>
    <message>
        <source>Importer un fichier</source>
        <translation>Importer un fichier</translation>
    </message>
    <message>
        <source>Importer une permanence</source>
        <translation>Importer une permanence</translation>
    </message>
    <message>
        <source>Permanences (*.txt)</source>
        <translation>Permanences (*.txt)</translation>
    </message>
    <message>
        <source>Tous les fichiers (*)</source>
        <translation>Tous les fichiers (*)</translation>
    </message>
</context>
<context>
    <name>ProView</name>
    <message>
        <source>Tri des méthodes</source>
        <translation>Tri des méthodes</translation>
    </message>
    <message>
        <source>Sorties de blocs</source>
        <translation>Sorties de blocs</translation>
    </message>
    <message>
        <source>Blocs dominants confirmés</source>
        <translation>Blocs dominants confirmés</translation>
    </message>
    <message>
        <source>Retour tendance</source>
        <translation>Retour tendance</translation>
    </message>
    <message>
        <source>Méthodes actives</source>
        <translation>Méthodes actives</translation>
    </message>
    <message>
        <source>Ecart</source>
        <translation>Ecart</translation>
    </message>
    <message>
        <source>Max</source>
        <translation>Max</translation>
    </message>
    <message>
        <source>Aucune méthode ne passe les filtres. Coupez « Méthodes actives » ou les filtres de signaux.</source>
        <translation>Aucune méthode ne passe les filtres. Coupez « Méthodes actives » ou les filtres de signaux.</translation>
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
        <translation>Gagnés / perdus</translation>
    </message>
    <message>
        <source>Mise max</source>
        <translation>Mise max</translation>
    </message>
    <message>
        <source>Total misé</source>
        <translation>Total misé</translation>
    </message>
    <message>
        <source>Profit max</source>
        <translation>Profit max</translation>
    </message>
    <message>
        <source>Profit min</source>
        <translation>Profit min</translation>
    </message>
    <message>
        <source>Remise à zéro</source>
        <translation>Remise à zéro</translation>
    </message>
    <message>
        <source>Aucune mise réglée : la courbe des profits apparaît après la première mise.</source>
        <translation>Aucune mise réglée : la courbe des profits apparaît après la première mise.</translation>
    </message>
</context>
<context>
    <name>QuickView</name>
    <message>
        <source>Ecart %1 / %2</source>
        <translation>Ecart %1 / %2</translation>
    </message>
    <message>
        <source>Activer la méthode</source>
        <translation>Activer la méthode</translation>
    </message>
    <message>
        <source>Graph des écarts</source>
        <translation>Graph des écarts</translation>
    </message>
    <message>
        <source>Page précédente</source>
        <translation>Page précédente</translation>
    </message>
    <message>
        <source>%1 / 2</source>
        <translation>%1 / 2</translation>
    </message>
    <message>
        <source>Page suivante</source>
        <translation>Page suivante</translation>
    </message>
    <message>
        <source>Aucune méthode en mode Quick.</source>
        <translation>Aucune méthode en mode Quick.</translation>
    </message>
</context>
<context>
    <name>RestoreSessionDialog</name>
    <message>
        <source>Session interrompue</source>
        <translation>Session interrompue</translation>
    </message>
    <message>
        <source>Restaurer</source>
        <translation>Restaurer</translation>
    </message>
    <message>
        <source>Nouvelle session</source>
        <translation>Nouvelle session</translation>
    </message>
    <message numerus="yes">
        <source>La session précédente s&apos;est terminée sans être fermée : %n résultat(s), le dernier le %1.</source>
        <translation>
            <numerusform>La session précédente s&apos;est terminée sans être fermée : %n résultat, le dernier le %1.</numerusform>
            <numerusform>La session précédente s&apos;est terminée sans être fermée : %n résultats, le dernier le %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>Restaurer rejoue ces résultats dans le moteur. Nouvelle session les abandonne.</source>
        <translation>Restaurer rejoue ces résultats dans le moteur. Nouvelle session les abandonne.</translation>
    </message>
</context>
<context>
    <name>RiskPanel</name>
    <message>
        <source>Risque de la montante</source>
        <translation>Risque de la montante</translation>
    </message>
    <message>
        <source>%1, jeton de la mise actuelle, tout perdu de suite</source>
        <translation>%1, jeton de la mise actuelle, tout perdu de suite</translation>
    </message>
    <message>
        <source>Aucune montante pour ce type de mise</source>
        <translation>Aucune montante pour ce type de mise</translation>
    </message>
    <message>
        <source>Palier</source>
        <translation>Palier</translation>
    </message>
    <message>
        <source>Mise</source>
        <translation>Mise</translation>
    </message>
    <message>
        <source>Perte cumulée</source>
        <translation>Perte cumulée</translation>
    </message>
    <message>
        <source>Estimer le risque (%1 sessions de %2 coups)</source>
        <translation>Estimer le risque (%1 sessions de %2 coups)</translation>
    </message>
    <message>
        <source>Annuler</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Limite de perte avant la limite de gain : %1 (IC 95&#xa0;% : %2 – %3)</source>
        <translation>Limite de perte avant la limite de gain : %1 (IC 95&#xa0;% : %2 – %3)</translation>
    </message>
    <message>
        <source>Limite de gain : %1 (IC 95&#xa0;% : %2 – %3) · autre arrêt : %4 · fin des coups : %5</source>
        <translation>Limite de gain : %1 (IC 95&#xa0;% : %2 – %3) · autre arrêt : %4 · fin des coups : %5</translation>
    </message>
    <message>
        <source>Résultat moyen %1 en %2 coups ; 5 % des sessions sous %3, médiane %4, 95 % sous %5</source>
        <translation>Résultat moyen %1 en %2 coups ; 5 % des sessions sous %3, médiane %4, 95 % sous %5</translation>
    </message>
    <message>
        <source>Estimation interrompue : %1 sessions jouées</source>
        <translation>Estimation interrompue : %1 sessions jouées</translation>
    </message>
</context>
<context>
    <name>RoutesView</name>
    <message>
        <source>Sabot %1</source>
        <translation>Sabot %1</translation>
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
        <translation>aucun coup</translation>
    </message>
    <message>
        <source>Perles : chaque coup dans l&apos;ordre, de haut en bas</source>
        <translation>Perles : chaque coup dans l&apos;ordre, de haut en bas</translation>
    </message>
    <message>
        <source>Grande route : une colonne par série, les TIE barrés en vert</source>
        <translation>Grande route : une colonne par série, les TIE barrés en vert</translation>
    </message>
    <message>
        <source>Big Eye Boy : rouge quand la grande route se répète, bleu quand elle rompt</source>
        <translation>Big Eye Boy : rouge quand la grande route se répète, bleu quand elle rompt</translation>
    </message>
    <message>
        <source>Small Road : compare deux colonnes plus loin</source>
        <translation>Small Road : compare deux colonnes plus loin</translation>
    </message>
    <message>
        <source>Cockroach Pig : compare trois colonnes plus loin</source>
        <translation>Cockroach Pig : compare trois colonnes plus loin</translation>
    </message>
    <message>
        <source>Nouveau sabot</source>
        <translation>Nouveau sabot</translation>
    </message>
    <message>
        <source>Commencer des routes neuves : l&apos;historique et les méthodes continuent</source>
        <translation>Commencer des routes neuves : l&apos;historique et les méthodes continuent</translation>
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
        <translation>Aujourd&apos;hui</translation>
    </message>
    <message>
        <source>7 derniers jours</source>
        <translation>7 derniers jours</translation>
    </message>
    <message>
        <source>30 derniers jours</source>
        <translation>30 derniers jours</translation>
    </message>
    <message>
        <source>Cette année</source>
        <translation>Cette année</translation>
    </message>
    <message>
        <source>Tout</source>
        <translation>Tout</translation>
    </message>
    <message>
        <source>Exporter la période (CSV)</source>
        <translation>Exporter la période (CSV)</translation>
    </message>
    <message>
        <source>Sessions : %1</source>
        <translation>Sessions : %1</translation>
    </message>
    <message>
        <source>Coups : %1</source>
        <translation>Coups : %1</translation>
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
        <translation>Aucune session dans cette période. Choisissez une autre période : chaque session jouée s&apos;ajoute ici, coup par coup.</translation>
    </message>
    <message>
        <source>Aucune session archivée pour l&apos;instant : chaque session jouée s&apos;ajoute ici, coup par coup.</source>
        <translation>Aucune session archivée pour l&apos;instant : chaque session jouée s&apos;ajoute ici, coup par coup.</translation>
    </message>
    <message>
        <source>Exporter la session (CSV)</source>
        <translation>Exporter la session (CSV)</translation>
    </message>
    <message>
        <source>Exporter la permanence (pour noxsim)</source>
        <translation>Exporter la permanence (pour noxsim)</translation>
    </message>
    <message>
        <source>Supprimer la session</source>
        <translation>Supprimer la session</translation>
    </message>
    <message>
        <source>Supprimer la session ?</source>
        <translation>Supprimer la session ?</translation>
    </message>
    <message>
        <source>Supprimer</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Annuler</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>%1 et ses coups seront effacés de l&apos;archive. Cela ne peut pas être annulé.</source>
        <translation>%1 et ses coups seront effacés de l&apos;archive. Cela ne peut pas être annulé.</translation>
    </message>
    <message>
        <source>Exporter la permanence</source>
        <translation>Exporter la permanence</translation>
    </message>
    <message>
        <source>Exporter en CSV</source>
        <translation>Exporter en CSV</translation>
    </message>
    <message>
        <source>Permanences (*.txt)</source>
        <translation>Permanences (*.txt)</translation>
    </message>
    <message>
        <source>Tableaux CSV (*.csv)</source>
        <translation>Tableaux CSV (*.csv)</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>Paramètres</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>Gestion Financière</source>
        <translation>Gestion Financière</translation>
    </message>
    <message>
        <source>Filtres de méthode</source>
        <translation>Filtres de méthode</translation>
    </message>
    <message>
        <source>Calibration</source>
        <translation>Calibration</translation>
    </message>
    <message>
        <source>Notifications et signaux</source>
        <translation>Notifications et signaux</translation>
    </message>
    <message>
        <source>Permanences</source>
        <translation>Permanences</translation>
    </message>
    <message>
        <source>Egalité</source>
        <translation>Egalité</translation>
    </message>
    <message>
        <source>Autres</source>
        <translation>Autres</translation>
    </message>
    <message>
        <source>Developer</source>
        <translation>Developer</translation>
    </message>
    <message>
        <source>Filtre détaillé</source>
        <translation>Filtre détaillé</translation>
    </message>
    <message>
        <source>Sessions archivées</source>
        <translation>Sessions archivées</translation>
    </message>
</context>
<context>
    <name>SplitMethodsView</name>
    <message>
        <source>Vue partagée</source>
        <translation>Vue partagée</translation>
    </message>
    <message>
        <source>Choisir les méthodes</source>
        <translation>Choisir les méthodes</translation>
    </message>
    <message>
        <source>Fermer la vue partagée</source>
        <translation>Fermer la vue partagée</translation>
    </message>
    <message>
        <source>Aucune méthode dans la vue partagée. Choisissez-les dans le filtre détaillé.</source>
        <translation>Aucune méthode dans la vue partagée. Choisissez-les dans le filtre détaillé.</translation>
    </message>
</context>
<context>
    <name>StepMoveEditor</name>
    <message>
        <source>Recommancer au début</source>
        <translation type="vanished">Recommancer au début</translation>
    </message>
    <message>
        <source>Reculer de n palliers</source>
        <translation type="vanished">Reculer de n palliers</translation>
    </message>
    <message>
        <source>Avancer de n palliers</source>
        <translation type="vanished">Avancer de n palliers</translation>
    </message>
    <message>
        <source>Recommencer au début</source>
        <translation>Recommencer au début</translation>
    </message>
    <message>
        <source>Reculer de n paliers</source>
        <translation>Reculer de n paliers</translation>
    </message>
    <message>
        <source>Avancer de n paliers</source>
        <translation>Avancer de n paliers</translation>
    </message>
</context>
<context>
    <name>TieConfig</name>
    <message>
        <source>Jouer l&apos;égalité</source>
        <translation>Jouer l&apos;égalité</translation>
    </message>
    <message>
        <source>Gains</source>
        <translation>Gains</translation>
    </message>
    <message>
        <source>Ecart</source>
        <translation>Ecart</translation>
    </message>
    <message>
        <source>Ecart max</source>
        <translation>Ecart max</translation>
    </message>
    <message>
        <source>Ecart moyen + 1</source>
        <translation>Ecart moyen + 1</translation>
    </message>
    <message>
        <source>Ecart précédent</source>
        <translation>Ecart précédent</translation>
    </message>
    <message>
        <source>Résultats</source>
        <translation>Résultats</translation>
    </message>
    <message>
        <source>Jeton actuel</source>
        <translation>Jeton actuel</translation>
    </message>
    <message>
        <source>Jeton de départ</source>
        <translation>Jeton de départ</translation>
    </message>
    <message>
        <source>Montante</source>
        <translation>Montante</translation>
    </message>
</context>
<context>
    <name>UIHistoryImport</name>
    <message>
        <source>Impossible de lire le fichier %1 : %2</source>
        <translation>Impossible de lire le fichier %1 : %2</translation>
    </message>
    <message numerus="yes">
        <source>Import arrêté : %n résultats ajoutés.</source>
        <translation>
            <numerusform>Import arrêté : %n résultat ajouté.</numerusform>
            <numerusform>Import arrêté : %n résultats ajoutés.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n résultats ajoutés.</source>
        <translation>
            <numerusform>%n résultat ajouté.</numerusform>
            <numerusform>%n résultats ajoutés.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n lignes corrigées (espaces, minuscules).</source>
        <translation>
            <numerusform>%n ligne corrigée (espaces, minuscules).</numerusform>
            <numerusform>%n lignes corrigées (espaces, minuscules).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n lignes illisibles ignorées (n° %1).</source>
        <translation>
            <numerusform>%n ligne illisible ignorée (n° %1).</numerusform>
            <numerusform>%n lignes illisibles ignorées (n° %1).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n résultats non ajoutés : la permanence est limitée à %1 résultats. Coupez-la avec « Couper la permanence » ou commencez une nouvelle session, puis importez la suite.</source>
        <translation>
            <numerusform>%n résultat non ajouté : la permanence est limitée à %1 résultats. Coupez-la avec « Couper la permanence » ou commencez une nouvelle session, puis importez la suite.</numerusform>
            <numerusform>%n résultats non ajoutés : la permanence est limitée à %1 résultats. Coupez-la avec « Couper la permanence » ou commencez une nouvelle session, puis importez la suite.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n résultats refusés par le moteur (limite du capital).</source>
        <translation>
            <numerusform>%n résultat refusé par le moteur (limite du capital).</numerusform>
            <numerusform>%n résultats refusés par le moteur (limite du capital).</numerusform>
        </translation>
    </message>
    <message>
        <source>Texte trop long : %1 caractères sur %2 ont été collés, le reste est refusé. Pour une longue permanence, utilisez « Importer un fichier ».</source>
        <translation>Texte trop long : %1 caractères sur %2 ont été collés, le reste est refusé. Pour une longue permanence, utilisez « Importer un fichier ».</translation>
    </message>
    <message numerus="yes">
        <source>Lecture du fichier interrompue après %n lignes : %1.</source>
        <translation>
            <numerusform>Lecture du fichier interrompue après %n ligne : %1.</numerusform>
            <numerusform>Lecture du fichier interrompue après %n lignes : %1.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>UIRiskEstimate</name>
    <message>
        <source>Palier %1 : mise de %2, au-dessus de la limite de la table (%3)</source>
        <translation>Palier %1 : mise de %2, au-dessus de la limite de la table (%3)</translation>
    </message>
    <message>
        <source>Palier %1 : mise de %2, au-dessus de la mise maximale (%3)</source>
        <translation>Palier %1 : mise de %2, au-dessus de la mise maximale (%3)</translation>
    </message>
    <message>
        <source>Dès la première perte : %1 perdus, au-delà de la limite de perte (%2)</source>
        <translation>Dès la première perte : %1 perdus, au-delà de la limite de perte (%2)</translation>
    </message>
    <message>
        <source>Après %1 pertes de suite : %2 perdus, au-delà de la limite de perte (%3)</source>
        <translation>Après %1 pertes de suite : %2 perdus, au-delà de la limite de perte (%3)</translation>
    </message>
    <message>
        <source>Palier %1 : mise de %2, plus que le reste du capital (%3 sur %4)</source>
        <translation>Palier %1 : mise de %2, plus que le reste du capital (%3 sur %4)</translation>
    </message>
    <message>
        <source>Aucun moteur</source>
        <translation>Aucun moteur</translation>
    </message>
    <message>
        <source>Les méthodes perso ne sont pas estimées : activez une méthode du catalogue.</source>
        <translation>Les méthodes perso ne sont pas estimées : activez une méthode du catalogue.</translation>
    </message>
    <message>
        <source>Aucune méthode active : activez les méthodes qui misent pour estimer leur risque.</source>
        <translation>Aucune méthode active : activez les méthodes qui misent pour estimer leur risque.</translation>
    </message>
    <message>
        <source>Les montantes perso ne peuvent être préparées pour l&apos;estimation : %1</source>
        <translation>Les montantes perso ne peuvent être préparées pour l&apos;estimation : %1</translation>
    </message>
</context>
<context>
    <name>UISessionArchive</name>
    <message>
        <source>Export terminé.</source>
        <translation>Export terminé.</translation>
    </message>
    <message>
        <source>Export impossible : %1</source>
        <translation>Export impossible : %1</translation>
    </message>
    <message>
        <source>Session %1 du %2</source>
        <translation>Session %1 du %2</translation>
    </message>
    <message>
        <source>Capital de départ %1 · %2 coups joués sur %3</source>
        <translation>Capital de départ %1 · %2 coups joués sur %3</translation>
    </message>
    <message>
        <source>limite de gain</source>
        <translation>limite de gain</translation>
    </message>
    <message>
        <source>limite de perte</source>
        <translation>limite de perte</translation>
    </message>
    <message>
        <source>Atteint : %1</source>
        <translation>Atteint : %1</translation>
    </message>
    <message>
        <source>Méthodes : %1</source>
        <translation>Méthodes : %1</translation>
    </message>
    <message>
        <source>Montantes : %1</source>
        <translation>Montantes : %1</translation>
    </message>
    <message>
        <source>Cette session ne peut pas être supprimée.</source>
        <translation>Cette session ne peut pas être supprimée.</translation>
    </message>
    <message>
        <source>Session %1 supprimée.</source>
        <translation>Session %1 supprimée.</translation>
    </message>
    <message>
        <source>Un export est déjà en cours.</source>
        <translation>Un export est déjà en cours.</translation>
    </message>
    <message>
        <source>Aucune session archivée.</source>
        <translation>Aucune session archivée.</translation>
    </message>
    <message>
        <source>Aucune session à exporter.</source>
        <translation>Aucune session à exporter.</translation>
    </message>
    <message>
        <source>Export en cours…</source>
        <translation>Export en cours…</translation>
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
        <translation>Session Wayland : les clics de la mise automatique n&apos;atteignent que les programmes lancés sous XWayland, pas un navigateur lancé en Wayland. Ouvrez une session X11, ou lancez le navigateur sous XWayland (Firefox : MOZ_ENABLE_WAYLAND=0, Chrome : --ozone-platform=x11), puis confirmez-le dans Paramètres, Calibration.</translation>
    </message>
    <message>
        <source>La mise automatique n&apos;est pas disponible : la souris ne peut pas être commandée.</source>
        <translation>La mise automatique n&apos;est pas disponible : la souris ne peut pas être commandée.</translation>
    </message>
    <message>
        <source>Le profil n&apos;a pas pu être chargé : %1.</source>
        <translation>Le profil n&apos;a pas pu être chargé : %1.</translation>
    </message>
    <message>
        <source>Le profil n&apos;a pas pu être enregistré : %1.</source>
        <translation>Le profil n&apos;a pas pu être enregistré : %1.</translation>
    </message>
    <message>
        <source>Le fichier de méthodes n&apos;a pas pu être lu.</source>
        <translation>Le fichier de méthodes n&apos;a pas pu être lu.</translation>
    </message>
    <message>
        <source>Méthodes importées : %1. Lignes refusées : 0.</source>
        <translation>Méthodes importées : %1. Lignes refusées : 0.</translation>
    </message>
    <message>
        <source>ligne %1</source>
        <translation>ligne %1</translation>
    </message>
    <message>
        <source>lignes %1</source>
        <translation>lignes %1</translation>
    </message>
    <message>
        <source>%1 et suivantes</source>
        <translation>%1 et suivantes</translation>
    </message>
    <message>
        <source>Méthodes importées : %1. Lignes refusées : %2 (%3).</source>
        <translation>Méthodes importées : %1. Lignes refusées : %2 (%3).</translation>
    </message>
    <message>
        <source>Les montantes n&apos;ont pas pu être enregistrées : %1.</source>
        <translation>Les montantes n&apos;ont pas pu être enregistrées : %1.</translation>
    </message>
    <message>
        <source>Les montantes n&apos;ont pas pu être importées : %1.</source>
        <translation>Les montantes n&apos;ont pas pu être importées : %1.</translation>
    </message>
    <message>
        <source>Montantes importées : %1.</source>
        <translation>Montantes importées : %1.</translation>
    </message>
</context>
<context>
    <name>UserMontantePage</name>
    <message>
        <source>Montante perso</source>
        <translation>Montante perso</translation>
    </message>
    <message>
        <source>Nouvelle montante</source>
        <translation>Nouvelle montante</translation>
    </message>
    <message>
        <source>Importer des méthodes</source>
        <translation>Importer des méthodes</translation>
    </message>
    <message>
        <source>Nom</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Paliers</source>
        <translation>Paliers</translation>
    </message>
    <message>
        <source>En cas de gain</source>
        <translation>En cas de gain</translation>
    </message>
    <message>
        <source>En cas de perte</source>
        <translation>En cas de perte</translation>
    </message>
    <message>
        <source>Mode récup</source>
        <translation>Mode récup</translation>
    </message>
    <message>
        <source>Division déficit </source>
        <translation>Division déficit </translation>
    </message>
    <message>
        <source>Nombre tours</source>
        <translation>Nombre tours</translation>
    </message>
    <message>
        <source>Recalcul déficit</source>
        <translation>Recalcul déficit</translation>
    </message>
    <message>
        <source>Nombre gains</source>
        <translation>Nombre gains</translation>
    </message>
    <message>
        <source>Supprimer</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Enregistrer</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Method files (*.txt)</source>
        <translation>Method files (*.txt)</translation>
    </message>
    <message>
        <source>Importer des montantes</source>
        <translation>Importer des montantes</translation>
    </message>
    <message>
        <source>Progression files (*.dat)</source>
        <translation>Progression files (*.dat)</translation>
    </message>
    <message>
        <source>(%1 – %2, séparés par des virgules)</source>
        <translation>(%1 – %2, séparés par des virgules)</translation>
    </message>
</context>
<context>
    <name>WaylandNotice</name>
    <message>
        <source>Session Wayland : les clics n&apos;atteignent peut-être pas la table</source>
        <translation>Session Wayland : les clics n&apos;atteignent peut-être pas la table</translation>
    </message>
    <message>
        <source>La mise automatique et la calibration cliquent par X11 : seuls les programmes lancés sous XWayland reçoivent ces clics. Un navigateur lancé en Wayland, ce que font par défaut les navigateurs récents, ne les reçoit pas. Ouvrez une session X11, ou lancez le navigateur sous XWayland (Firefox : MOZ_ENABLE_WAYLAND=0 firefox, Chrome : --ozone-platform=x11). La confirmation ci-dessous vaut jusqu&apos;à la fermeture du programme.</source>
        <translation>La mise automatique et la calibration cliquent par X11 : seuls les programmes lancés sous XWayland reçoivent ces clics. Un navigateur lancé en Wayland, ce que font par défaut les navigateurs récents, ne les reçoit pas. Ouvrez une session X11, ou lancez le navigateur sous XWayland (Firefox : MOZ_ENABLE_WAYLAND=0 firefox, Chrome : --ozone-platform=x11). La confirmation ci-dessous vaut jusqu&apos;à la fermeture du programme.</translation>
    </message>
    <message>
        <source>La table tourne sous XWayland</source>
        <translation>La table tourne sous XWayland</translation>
    </message>
</context>
</TS>
