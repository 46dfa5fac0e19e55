# The load and fault cases, in the form of run_link_test.sh's own table, which sources
# this file for case names it does not know. Each sets the rig, the test, the
# simulator's arguments, a time limit in seconds, and for the server rig optionally
# sim_more: a second set of adapters, started when the test writes KYZ_LINK_READY_MORE.
flood=102400
case "$case_name" in
  serial_flood_100k)   rig=serial; test=HostileSerialSign.FloodOfAHundredKilobytesWithoutLineEndIsDroppedAndTheLinkGoesOn; sim="--flood-bytes $flood --on-command 1"; limit=120 ;;
  serial_answer_twice) rig=serial; test=HostileSerialSign.DoubledAnswerIsHandledAsTwoLinesAndTheNextCommandAsOne; sim="--answer-twice --on-command 1"; limit=60 ;;
  tcp_flood_100k)      rig=tcp;    test=HostileTcpSign.FloodOfAHundredKilobytesWithoutLineEndDoesNotHoldUpTheNextAnswer; sim="--flood-bytes $flood --on-command 1"; limit=120 ;;
  tcp_close_mid_answer) rig=tcp;   test=HostileTcpSign.SignClosingInTheMiddleOfAnAnswerLeavesNothingBehindForTheNextConnection; sim="--close-mid-answer --on-command 2"; limit=90 ;;
  tcp_answer_twice)    rig=tcp;    test=HostileTcpSign.EveryCommandAnsweredTwiceIsHandledOnceEach; sim="--answer-twice"; limit=60 ;;
  server_96_answer)    rig=server; test=ServerUnderLoad.NinetySixAdaptersEachAnswerWhenChosenAndTheNinetySeventhIsTurnedAway; sim="--adapters 97 --adapter-tag"; limit=240 ;;
  server_refill)       rig=server; test=ServerUnderLoad.AdaptersLeavingTheMiddleOfTheTableAreReplacedByNewOnesInTheirSlots; sim="--adapters 6 --adapter-tag --close-after 1"; sim_more="--adapters 3"; limit=120 ;;
  server_cut_answer)   rig=server; test=ServerUnderLoad.DestinationCutOffInTheMiddleOfAnAnswerLeavesNothingForTheNext; sim="--adapters 2 --adapter-tag --close-mid-answer --fault-channel 1"; limit=90 ;;
  *) echo "unknown case $case_name" >&2; exit 2 ;;
esac
