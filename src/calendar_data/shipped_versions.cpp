#include "calendar_data/data_update.h"

namespace dataupdate {

// The SHA-256 of every version of the calendar files that the program has ever installed, so
// that an installed file still as shipped can be told from one the user has edited. Made with:
//   for f in data/*.txt; do git rev-list <release> -- "$f" | while read c; do
//     git show "$c:$f" | sha256sum; done; done
// Add the versions of each release here when the shipped data changes again.
const QList<ShippedVersion>& shippedVersions() {
    static const QList<ShippedVersion> versions = {
        {"01.txt", "045ea0e7eeb8ecd70eea416090c675b24e3affefa13388c20125cd7d49f9c4b3"},
        {"01.txt", "2d357ac499b95da0cc92c14d039d4c687a6d19fb779089b78adff7beb471e959"},
        {"01.txt", "a91d6be6a6f49adc998c8d17d8c0d7c080f79df6cca0a6a5d698cc2d9e319efb"},
        {"02.txt", "18ad5c3a94b5bfd6897f76029893ee0a3cdc5eceacb2b035f02033ee759786e0"},
        {"02.txt", "4af37d4007bef8667049131c9e98a7c6a13a9188b560b5efa4ed786b66186601"},
        {"02.txt", "5c9b09743c46b76f2c283c4c60839af6c0aa245d90262075da328bc24a4dd716"},
        {"03.txt", "4ef25542971cb9f3b390c392b152e84b8988d06fa83ed562fead13c75757f2cd"},
        {"03.txt", "558c4a2ba331fafa97f108cdb526288a2833c572a7bf6aa01ffea897484e61c3"},
        {"03.txt", "bca846f086bd92887375c531fcee3cdbbdbf677e3e0f9fe8d38a27bb5dde2461"},
        {"04.txt", "171e8352092e61ce072449020d3e03eca5d3e3d8b7866ea0068e513bd771000f"},
        {"04.txt", "78104c73ac678d12f4917192fb27b10e2f73e282f39b5a9bb7977b07148aa20d"},
        {"04.txt", "8d5d11c86457f9ecf69ac1f30d1b7642fb1dc76b6fc49e8a5394fc06eedbc418"},
        {"05.txt", "40f959d8743de159827c4f9416a5436518b3e8d0e698418c9f8fcfdb942fcc1a"},
        {"05.txt", "6e01db22d55345a04cabc49342eec4cb566047bdc92e0025148e211e57cc82f3"},
        {"05.txt", "ecfe5d1113ba1f919d5bf862fce57928d629a1bfb32ab5622c14df4fbb839afb"},
        {"06.txt", "01f26e5ebd117be12740d49efa03c8b44598205dbadc1498247d3b79abe9c317"},
        {"06.txt", "121df71c41027ab428aaefd588dddb63e11e940acc7f6caf694c9c7cf2c09638"},
        {"06.txt", "86c012bb1b5217ecc78f9975ead5c569aa7a49eeb99925cce4063538bfcb0717"},
        {"07.txt", "09b512388d210283b897f1440b06e109be8bc49efc55d9e84f54b647112d0d00"},
        {"07.txt", "a8ac2994470daf30fb90987bb781798bddf412a40c9a048c39da4f434e7ea28c"},
        {"07.txt", "cec9b44c9cc5169e181348ffcfa248625ee0ff8e9c29174c9de246ec28fbe33a"},
        {"08.txt", "116c692c3321bf524efffcfd70a15853ee46cf2669bc03af518468e51a518911"},
        {"08.txt", "2a9495a1a88c02c9c67ce60f2d56b49b6069857c07c472f75f9242f120b57fb8"},
        {"08.txt", "f9c811fdf5d29b8689d4b99b39a6f1d0985da8e6c23cf9220860cfc0a916ee28"},
        {"09.txt", "1fd671c9412f9673e1b4c034d2ba922df558ad597bd81892959c6f6df4231e4a"},
        {"09.txt", "744cb809debf428117ea2ee401f3b7f68ebeda3f2410c63ad0bcb27c39e93996"},
        {"09.txt", "f0f8ae7fdab314aa26ee63a3f18085a7d49edd6c32d5c645d2a8c5e30be5fa27"},
        {"10.txt", "0c016a231dae67800719da5e59381f741f1e84d1be04b90d53f379de11b16772"},
        {"10.txt", "17b83c3455e279dc246a0c9cf2328b6e0fb65be3b1820e7397710607ce1914c3"},
        {"10.txt", "d1615facb16330cc38bd8ca245280710a67aacec6f6661919073919ecc05a1aa"},
        {"11.txt", "73b1c397a520840a4de193ad70006b175404049fbe5ae93d0a162578302f93c9"},
        {"11.txt", "c29b591a3e0c6fbfe57f3d811d6a3b60a59945869ed189dbdc2aa3f403441891"},
        {"11.txt", "f562f4427af257fd3e1c585c6b11ca6b34d1d9b418207a89645e53f0e6613392"},
        {"12.txt", "133806da2315249c1f3d6d7c92b7eba335c71f15f2979af05dcd9905de3a758d"},
        {"12.txt", "adcbfef961ea16ed6dc5742868274da83bef9e6d70c07acdeb851215382cf40a"},
        {"12.txt", "d3a66c25b54d3525fd3d55810f9fa6cbf5b7ceb20799f020105c16ce65def7ef"},
        {"c1.txt", "9ab9dd1026fb4b8f4ccb8cbaaa9eadc5b4d0e726512a212b22af13fd484023a1"},
        {"c1.txt", "f4e6a267f4403535d013114d028030e56f19392e663d716ee030d27313e59532"},
        {"c10.txt", "1257fd5340ea5d4b7d5f4304fdf29f5925148e3b4add3ca34287d49f4fd4ecff"},
        {"c10.txt", "539615c1b0cac601f2613a59f976dadc328186279c5bf7ead4b84ab9428bf7da"},
        {"c11.txt", "03b5f3bafffb3dd4a31ded1f7c2ce605ab58d7a290ef9659d607337514f5412c"},
        {"c11.txt", "3e73ce07ad0cd4d3e673dd2d12ecbd99508f75e9dd12fb94c41da2cf0b8c8c20"},
        {"c12.txt", "bd86a7f6b9eb2b56398935f8bce2cd32d7830464bb141c89fc78a186a297680d"},
        {"c13.txt", "274f7842e9ab9bd603f26df2647d4d6b569f484d8d10bbcc7b0a721598147b0c"},
        {"c14.txt", "ce5a5baf70ba7ef4e016a3a337ddd0fc9cfd223e1d0badb2f4aaa51770e18738"},
        {"c15.txt", "15d9ad8a5c2b88dddde7abd09606bcb4918460797782c603de7a0a366838a60f"},
        {"c16.txt", "e6158b5ef5b28797b8badab68852f60f7cdd18fdf6cc6ffaead5a7ffe5d4c9d6"},
        {"c17.txt", "bce12b50d70b6c7b9af7de233dabcd541cb44670e0f5836c28c82e07bb240cec"},
        {"c18.txt", "838a52bf07b765931fbfdb2004ec80e02c385484dcde930a72df038d205d5cd2"},
        {"c19.txt", "c89899afb161d9a15d0db2cf6ed842c59152e84cc804ba38bbb0bd7c9a183e70"},
        {"c19.txt", "e72b881376e6b096577f6e8d579802b6596f0f8855a7945e91c2774416049978"},
        {"c2.txt", "11ff9e351ef6b532e0adb5e3e196953085b278c7711cd2f245129a6cc54db920"},
        {"c20.txt", "ef461c6f87cdd5f0efcd02db0dca852c7e74a788600822cae1f2bf5457711a47"},
        {"c3.txt", "ed3c1d34c7e879d27e071e68159a3b4619d77ca269bfb00c148d077f809e2924"},
        {"c4.txt", "05f5d61cccbb2d9acbc0fd6e9a05439de13ae4f3ba1952a15462c7c4c4029bb9"},
        {"c5.txt", "0aaf9ac66f10beb5da9d2847d9513adbed574f905c02683b9ddd01de88099db2"},
        {"c5.txt", "b5fc61912666cd4e468b151b1466b57132ee9a11cd27ca69b0f57ca9429f6a0c"},
        {"c6.txt", "2372ab17e01a4fa62b641ed1cf91bed40b820e139bb2e8a9944a4b47d190074c"},
        {"c7.txt", "3e041321348010de22b0851cb7ee33bfbbc48953b9f919d54ff46f498960827a"},
        {"c8.txt", "5adca02ae80f1b86f4d5efe831f1fe0f792615580a21e78122ef54560052eea0"},
        {"c8.txt", "7504a87edddb4d4679b536a569c95a24fb486a1c10949b3b480ba3c70c29275a"},
        {"c9.txt", "760fbc8748664dfb438294a30f9550e4fb75b1c460a2ce70095d93515de9e465"},
        {"c9.txt", "7b8ecb4b02051fe98640844b52ea4f4cf8932647ded4b3e5e63839237599c387"},
        {"cal.txt", "9abc91fc097632362c89006f3d1a1c3dd29710ccf2f3e43daa14e8cf2768a969"},
        {"cal.txt", "b723bf35a3afa8f78930d475177892f2cdeafb04acd0b0204ed8f3b1ace79c23"},
    };
    return versions;
}

} // namespace dataupdate
