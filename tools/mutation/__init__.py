"""The mutation check's parts (tools/mutation-check is its command line): the faults made from the
program's code, the builds and tests that judge them in copies of the tree, the lanes that judge
them side by side, and the record of the verdicts."""
