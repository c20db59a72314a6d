# Sources of this service (added to ceplat or its own targets).
