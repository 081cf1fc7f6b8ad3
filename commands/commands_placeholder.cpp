namespace pixmo {}
